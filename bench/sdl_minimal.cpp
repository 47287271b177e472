// A second reference for the start-up benchmark: about the least an SDL program can do to
// show a window with content, drawn in software as the launcher's are. What it costs above
// the Xlib anchor is what SDL itself and the libraries it loads cost before any launcher code
// runs. It fills a window of the launcher's size with one colour and runs until it is killed.

#include <SDL.h>
#include <cstdio>

int main(int, char**) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "sdl_minimal: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("sdl_minimal", 0, 0, 640, 480, 0);
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface) {
        std::fprintf(stderr, "sdl_minimal: %s\n", SDL_GetError());
        return 1;
    }
    const Uint32 colour = SDL_MapRGB(surface->format, 0x33, 0x66, 0x99);
    for (SDL_Event event{}; event.type != SDL_QUIT; SDL_WaitEvent(&event)) {
        SDL_FillRect(surface, nullptr, colour);
        SDL_UpdateWindowSurface(window);
    }
    SDL_Quit();
    return 0;
}
