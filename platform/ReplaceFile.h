// Puts new contents in a file's place all at once, and only where a plain file is meant to be.
#pragma once

#include <QByteArray>
#include <QString>

namespace horavela {

// Why a file was not replaced; the caller words it.
enum class ReplaceProblem {
    None,
    NoName,
    FolderMissing,
    Folder,
    Fifo,
    CharacterDevice,
    BlockDevice,
    Socket,
    NotRegularFile,
    ForeignLink, // another user's link to a file that is not that user's
    System,      // the system refused a step: see systemReason
};

struct ReplaceOutcome {
    ReplaceProblem problem = ReplaceProblem::None;
    QString systemReason; // the system's own words for the step that failed
};

// Writes the bytes to a temporary file beside the one at path and renames it over that file only
// once they are all on disk; on any failure what was at path stays as it was and the temporary
// is gone. Only a regular file is replaced or a new one made: a FIFO, a device, a socket or a
// folder is never opened. On POSIX systems a symbolic link is followed, and the file it leads to
// replaced, only when the link is the user's own or its target's owner's, as the kernel's
// protected_symlinks rule has it, whether or not the system applies that rule. Temporaries that
// a copy stopped part-way left in the folder (".<name>.horavela-" and six letters, regular
// files of this user's older than a minute) are removed first.
ReplaceOutcome replaceFile(const QString& path, const QByteArray& bytes);

} // namespace horavela
