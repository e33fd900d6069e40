#ifndef GENERATOR_AJOUT_ENTIER_H
#define GENERATOR_AJOUT_ENTIER_H

#include <optional>
#include <string>

#include "systeme_fichiers.h"

// Appends `contenu` whole at the end of the regular file `chemin`, creating it if
// missing, or leaves the file as it was. Answers nothing on success, otherwise
// the reason in French (the system's reasons come in the language of the
// process's message locale).
//
// - Refused untouched: the name is looked at before anything is opened, and a
//   link, FIFO, device, socket or directory of that name is refused there. What
//   is then opened must be the regular file that was looked at.
// - One save at a time per file: the open file is locked (flock, exclusive)
//   before its size is noted and until the save is over, and the name must still
//   lead to the locked file, so saves of several copies of this program take
//   turns. A writer that takes no lock is out of reach.
// - After a failure only this save's own bytes are taken back: the file is cut
//   back to the size noted under the lock, or removed when this save created it,
//   nothing else was added and the name still leads to it.
// - Durable: the file is synced, and so is its directory when the save created it.
// - The termination signals (SIGINT, SIGTERM, SIGHUP, SIGQUIT) are held back
//   until the save is over and then delivered, except while it waits for another
//   copy's save, before anything is written: there they end the program at once.
//   A file-size limit gives an error, not a kill.
//
// No append in place can promise more: a kill -9 or a power loss in the middle
// of the write can leave the beginning of the sheet at the end of the file.
// REQUIRES: the last component of `chemin` is a plain name, with no '/'.
std::optional<std::string> ajouterEntier(SystemeFichiers& systeme, const std::string& chemin,
                                         const std::string& contenu);

#endif
