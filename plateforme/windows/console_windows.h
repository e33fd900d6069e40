#ifndef PLATEFORME_WINDOWS_CONSOLE_WINDOWS_H
#define PLATEFORME_WINDOWS_CONSOLE_WINDOWS_H

// The console on Windows. Its code page is not the program's encoding (the OEM
// page, 850 or 437, at start), and reading UTF-8 through it fails on some
// builds: a stream that is a console is written and read as UTF-16 instead.

// Gives std::cin, std::cout and std::cerr, each one that is a console, a
// buffer that reads or writes UTF-16 there and hands the program UTF-8. A
// redirected stream keeps its buffer: its bytes are the program's own. Input
// read from the console ends at Ctrl+Z, as the end of a file does; its line
// ends reach the program as "\n". A failed read throws std::ios_base::failure
// carrying the Windows error code.
// REQUIRES: called once, after std::ios::sync_with_stdio, before the streams are used.
void brancherConsoles();

#endif
