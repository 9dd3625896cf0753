#pragma once

#include <QString>

namespace qm {

// What reading or writing a data file came to.
struct FileResult
{
    bool ok = true;       // false: the file could not be read or written at all (the model is untouched)
    bool damaged = false; // read, but not all of it was as the program writes it: the message says what
    QString message;      // for the user and naming the file, when !ok or damaged
    QString version;      // reading: the version text at the head of the file
};

} // namespace qm
