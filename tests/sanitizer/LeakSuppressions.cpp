// Built only into the sanitizer configuration, into every program: what its
// leak check is to overlook. Blocks the system libraries below us keep for
// the life of the process or lose on their own error paths (D-Bus under Qt's
// X11 platform; SDL's WAV loader on a corrupt file). None is the game's.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libSDL2-2.0.so\n";
}
