#ifndef TESTS_DES_SCRIPTES_H
#define TESTS_DES_SCRIPTES_H

#include <string>
#include <vector>

#include "des.h"

// Dice for tests: each throw shows the next face given, at once, and every die
// thrown is noted, so that a test can check that exactly the scripted dice were.
class DesScriptes : public SourceDes {
public:
    struct Jet {
        int faces;
        int face;
    };

    explicit DesScriptes(std::vector<Jet> jets) : script(std::move(jets)) {}
    // Reads "10:7 5:3" (a die's faces, then the face it shows), blank-separated
    // on any number of lines; anything else fails with `fichier`, its line and the word.
    static std::vector<Jet> lire(const std::string& texte, const std::string& fichier = "des.txt");

    // The next scripted face; 1 past the end of the script or when the die thrown
    // is not the one scripted, as comparing `jetes` with prevus() shows.
    int jeter(int faces) override;
    int tirer() override { return 0; }  // never called: jeter gives every face

    // The faces of each die scripted, and of each die thrown, in order.
    std::vector<int> prevus() const;
    std::vector<int> jetes;

private:
    std::vector<Jet> script;
};

#endif
