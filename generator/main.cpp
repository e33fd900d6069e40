#include <iostream>

#include "createur.h"

// The creation dialogue on the terminal, with the real dice; sheets are written
// in the current directory.
int main()
{
    Createur createur(std::cin, std::cout, std::cerr, ".");
    return createur.executer();
}
