// Standard input, UTF-8, written on standard output in Windows-1252 as the
// program converts it (versWindows1252): the transcripts' sheet files, kept in
// UTF-8, become the seeds of fuzz_fiche as the program wrote them.
#include <iostream>
#include <sstream>

#include "encodage.h"

int main()
{
    std::ostringstream utf8;
    utf8 << std::cin.rdbuf();
    std::cout << versWindows1252(utf8.str());
    return std::cout ? 0 : 1;
}
