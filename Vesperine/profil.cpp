#include "profil.h"

#include <iomanip>

void Profil::Afficher(std::ostream& flux) const
{
    const std::ios_base::fmtflags avant = flux.flags();
    flux << std::left;
    flux << "Nom:" << std::setw(5) << nom << "Sexe:" << std::setw(10) << sexe << "Stature:" << stature << std::endl;
    flux << "Peau:" << std::setw(19) << peau << "Cheveux:" << cheveux << std::endl;
    flux << "Age:" << std::setw(5) << age << "Taille:" << std::setw(8) << taille << "Poid:" << std::setw(5) << poid
         << std::endl;
    flux << std::endl << std::endl;
    flux.flags(avant);
}
