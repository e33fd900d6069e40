#include <iostream>

// The smallest C++ console program: one line out through iostream, as vesperine
// writes its banner. bench/run.sh measures vesperine against it.
int main()
{
    std::cout << "VESPERINE GENERATOR" << std::endl;
    return 0;
}
