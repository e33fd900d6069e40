#include "sortie_utf8.h"

#include <string>

#include "encodage.h"

SortieUtf8::int_type SortieUtf8::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char octet = traits_type::to_char_type(c);
    return xsputn(&octet, 1) == 1 ? c : traits_type::eof();
}

std::streamsize SortieUtf8::xsputn(const char* s, std::streamsize n)
{
    std::string utf8;
    utf8.reserve(static_cast<std::size_t>(n) + 8);
    for (std::streamsize i = 0; i < n; ++i) {
        ajouterUtf8(utf8, static_cast<unsigned char>(s[i]));
    }
    const auto taille = static_cast<std::streamsize>(utf8.size());
    return cible->sputn(utf8.data(), taille) == taille ? n : 0;
}

int SortieUtf8::sync() { return cible->pubsync(); }
