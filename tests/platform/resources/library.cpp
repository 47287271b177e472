// A static library that embeds a resource; programs that link it find the resource without
// referring to anything in the library.

int ResourcesTestLibraryVersion() {
    return 1;
}
