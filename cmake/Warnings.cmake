# Every target of the project compiles with the same warnings; BRENLOW_WERROR keeps them clean.
# The sanitizers and the fuzzing instrumentation apply to every target too.
add_compile_options(
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Wcast-qual -Wnull-dereference)
if(BRENLOW_WERROR)
    add_compile_options(-Werror)
endif()
if(BRENLOW_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
if(BRENLOW_SANITIZE)
    # Tests that need an address space smaller than the sanitizer's shadow memory ask for it.
    add_compile_definitions(BRENLOW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
