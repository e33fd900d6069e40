#ifndef GENERATOR_SORTIE_UTF8_H
#define GENERATOR_SORTIE_UTF8_H

#include <streambuf>

// A stream buffer that takes the program's Windows-1252 text and hands it on
// as UTF-8 to the buffer it wraps. Field widths are applied before it, so
// columns line up by characters on a UTF-8 terminal.
class SortieUtf8 : public std::streambuf {
public:
    explicit SortieUtf8(std::streambuf* destination) : cible(destination) {}

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    std::streambuf* cible;
};

#endif
