// The terminal side of the dialogue: UTF-8 out and in, and how answers are read.
#include <gtest/gtest.h>

#include <sstream>

#include "console.h"

namespace {

// A terminal that refuses every byte, as a closed pipe or a full disk does.
struct TerminalEnPanne : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// A terminal that refuses the text: the stream says so. The conversion's widths
// are the transcripts' ("Sexe:Féminin   Stature:"), its bytes the model test's.
TEST(SortieUtf8, SignaleLesEchecs)
{
    std::istringstream clavier;
    TerminalEnPanne panne;
    std::ostream sortie(&panne);
    Console muette(clavier, sortie);
    muette.out() << "Choix:" << std::flush;
    EXPECT_TRUE(muette.out().bad());
}

// Invalid UTF-8 in a name is kept byte for byte (a lone continuation byte, a lead
// byte without its continuation, a cut sequence, an encoded surrogate); what
// Windows-1252 cannot hold becomes '?', and so does a byte-order mark anywhere but
// at the very start of the input. Each blank of the classic locale ends a word.
// Refused answers write their reminder; once the input ends there is no answer.
// Words, numbers, refusals and an input that fails, in whole dialogues, are the transcripts'.
TEST(Console, MotsBrutsReponsesRefuseesEtFin)
{
    std::istringstream clavier(
        "a\x80z\t\xC3z\nb\xC3\v\xED\xA0\x80\f\xCE\xA9\xF0\x9F\x98\x80\r\xEF\xBB\xBFx 0 abc 6 99999999999 5 7");
    std::ostringstream terminal;
    Console console(clavier, terminal);
    for (const char* mot : {"a\x80z", "\xC3z", "b\xC3", "\xED\xA0\x80", "??", "?x"}) {
        EXPECT_EQ(console.lireMot(), std::optional<std::string>(mot));
    }
    EXPECT_EQ(console.lireChoix(1, 5, "Choix:"), std::optional<int>(5));
    EXPECT_EQ(terminal.str(), "Choix:Choix:Choix:Choix:");
    EXPECT_EQ(console.lireChoix(1, 4), std::nullopt);
    EXPECT_EQ(console.lireMot(), std::nullopt);
}

}  // namespace
