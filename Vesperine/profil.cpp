#include "profil.h"

#include <iomanip>

void Profil::Afficher(std::ostream& out) const
{
    out << "Nom:" << std::setw(5) << nom << "Sexe:" << std::setw(10) << sexe << "Stature:" << stature << std::endl;
    out << "Peau:" << std::setw(19) << peau << "Cheveux:" << cheveux << std::endl;
    out << "Age:" << std::setw(5) << age << "Taille:" << std::setw(8) << taille << "Poid:" << std::setw(5) << poid
        << std::endl;
    out << std::endl << std::endl;
}
