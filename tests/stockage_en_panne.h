#ifndef TESTS_STOCKAGE_EN_PANNE_H
#define TESTS_STOCKAGE_EN_PANNE_H

#include <memory>
#include <optional>
#include <string>

#include "stockage.h"

// This system's storage on the real files, its calls going wrong as a fault
// description says (the lines of appels_en_panne.h), for tests that include no
// system header: the POSIX one over AppelsEnPanne, the Windows one over
// AppelsWindowsEnPanne.
class StockageEnPanne {
public:
    StockageEnPanne() = default;
    virtual ~StockageEnPanne() = default;
    StockageEnPanne(const StockageEnPanne&) = delete;
    StockageEnPanne& operator=(const StockageEnPanne&) = delete;

    virtual Stockage& stockage() = 0;
    // The calls received so far, one line each, as appels_en_panne.h tells.
    virtual const std::string& journal() const = 0;
    // Empty, or why this machine could not do at a call what the description
    // asked (a link it cannot make, say): the run shows nothing then.
    virtual const std::string& horsDePortee() const = 0;
};

// Paths in the journal are relative to `racine`.
std::unique_ptr<StockageEnPanne> stockageEnPanne(const std::string& description, const std::string& racine);

// Why `description` means nothing for this system's storage (an operation it
// does not make, a signal on Windows), or nullopt when it can be run. A line no
// fake can read throws std::invalid_argument.
std::optional<std::string> nonExecutable(const std::string& description);

#endif
