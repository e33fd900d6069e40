#ifndef GENERATOR_AJOUT_ENTIER_H
#define GENERATOR_AJOUT_ENTIER_H

#include <string>

#include "systeme_fichiers.h"

// Appends `contenu` whole at the end of the regular file `chemin`, creating it if
// missing, or leaves everything as it was: after any failure the file is cut
// back to its size before, or removed if this call created it. A link, FIFO,
// device, socket or directory of that name is refused at once, untouched. The
// termination signals (SIGINT, SIGTERM, SIGHUP, SIGQUIT) are held back until the
// append is over and then delivered; a file-size limit gives an error, not a kill.
// Answers an empty string on success, otherwise the reason in French (the
// system's reasons come in the language of the process's message locale).
// REQUIRES: the last component of `chemin` is a plain name, with no '/'.
std::string ajouterEntier(SystemeFichiers& systeme, const std::string& chemin, const std::string& contenu);

#endif
