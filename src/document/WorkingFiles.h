#pragma once

#include <QString>

namespace vellum {

// The three working files the editor keeps while it runs: the temporary copy
// trash.bak, the closed-map list trash.vmc and its copy trash.vmr. They live
// in the program's folder, or in the per-user data folder when the program's
// folder cannot be written.
class WorkingFiles {
public:
    static QString folder();
    // Tests point the working files at a folder of their own.
    static void setFolder(const QString& folder);
    static void resetFolder();

    static QString temporaryCopy(); // trash.bak
    static QString closedMapList(); // trash.vmc
    static QString closedMapCopy(); // trash.vmr

    // Deletes a working file; one that is already gone is not an error.
    static void remove(const QString& path);
};

} // namespace vellum
