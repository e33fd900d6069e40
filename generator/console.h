#ifndef GENERATOR_CONSOLE_H
#define GENERATOR_CONSOLE_H

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "sortie_utf8.h"

// The terminal as the dialogue sees it: Windows-1252 text out (converted to
// UTF-8 on the way), answers in as blank-separated words. A UTF-8 byte-order
// mark at the very start of the input is skipped. A word keeps its first
// MOT_MAX bytes; the rest of it is read and dropped, so that any input costs
// bounded memory. An input that fails (a read error, a standard input closed or
// that is a directory: the input buffer throws std::ios_base::failure) ends
// like the end of input, the word being read dropped; erreurLecture says why.
class Console {
public:
    static constexpr std::size_t MOT_MAX = 4096;

    Console(std::istream& in, std::ostream& sortie);
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Where the dialogue writes; std::endl flushes through to the terminal.
    std::ostream& out() { return flux; }

    // The next word, converted from UTF-8; nothing once the input has ended.
    std::optional<std::string> lireMot();
    // The last word lireMot answered, as it was typed (UTF-8); empty before the first.
    const std::string& dernierMotTape() const { return motTape; }

    // Reads until an answer from min to max comes. A word that is not a whole
    // number within the range of int counts as a number out of range. After
    // each refused answer `relance` is written again (often nothing). Nothing
    // once the input has ended.
    std::optional<int> lireChoix(int min, int max, const std::string& relance = std::string());

    // Once the input has failed, the reason: the system's, or a French one when
    // the failure names none. Nothing while the input has not failed.
    const std::optional<std::string>& erreurLecture() const { return erreur; }

private:
    // The next word as typed, or nothing at the end of input or once it has failed.
    std::optional<std::string> motBrut();
    std::optional<std::string> lireMotBrut();

    std::istream& entree;
    SortieUtf8 tampon;
    std::ostream flux;
    bool debutVu = false;
    std::string entame;  // the start of the first word, read while looking for a byte-order mark
    std::string motTape;
    std::optional<std::string> erreur;
};

// The value of a word that is a whole decimal number (optional sign) within the
// range of int: "010" is 10, "+1" is 1; "2x" or "99999999999" is none.
std::optional<int> nombreEntier(const std::string& mot);

// True when the console reads `texte` back whole as one word: 1 to
// Console::MOT_MAX bytes, no blank. A name is typed as it is only then.
bool estUnMot(const std::string& texte);

#endif
