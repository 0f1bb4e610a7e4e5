// Leaks of the system's libraries, not of the program: fontconfig keeps what it allocates for a
// process's first font lookups. LeakSanitizer asks for this list as it starts (in the fuzzers
// and in the sanitizer build's corpus replay); other builds never call it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
