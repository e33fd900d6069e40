#ifndef GENERATOR_REMPLACEMENT_ENTIER_H
#define GENERATOR_REMPLACEMENT_ENTIER_H

#include <optional>
#include <string>

#include "systeme_fichiers.h"

// Makes `contenu` the whole content of the file `chemin`, a file this program
// generates: written whole to a new temporary file of the same directory
// (".<name>.<pid>-<n>", never an existing one), synced, then renamed over
// `chemin`, and the directory synced. An earlier file of that name is replaced
// at once, never seen half written. Something other than a regular file under
// that name (a link, a directory, a FIFO...) is refused, untouched, before
// anything is created. After any failure before the rename, the temporary file
// is removed and `chemin` is as it was; a failed sync of the directory after it
// is reported with the new file in place. The termination signals wait until
// it is over (see SignauxRetenus). Answers nothing on success, otherwise the
// reason in French (the system's own reasons in the message locale).
std::optional<std::string> remplacerEntier(SystemeFichiers& systeme, const std::string& chemin,
                                           const std::string& contenu);

#endif
