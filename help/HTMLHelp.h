#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace qx {

// Opens topics of a compiled help file. Every display first checks the file:
// a name not ending in "chm" draws a warning (the display still goes on), a
// missing file a message and no display. Messages are titled "HTML Help Class".
class HTMLHelp {
public:
    static const QString& MessageTitle();

    QString CHMFile;   // a bare name is looked for in the program's folder
    QString HHWindow;  // window type; blanks only count as none
    std::int32_t HHTopicID = 0;
    QString HHTopicURL;
    bool HHShowOnTop = false;  // the viewer is owned by the calling window

    // Shows topic HHTopicID. Until a viewer is built in, an existing file
    // opens nothing.
    void HHDisplayTopicID(QWidget* callingWindow);

    // Completes a bare name with the program's folder and checks that the
    // file exists; a missing file is reported and gives false.
    bool EnsureFileExists(QString& file) const;

    // "file>window", or the bare file when HHWindow is blank.
    QString HHTarget() const;
    // The owner a viewer would get: the calling window only when HHShowOnTop.
    QWidget* HHOwner(QWidget* callingWindow) const { return HHShowOnTop ? callingWindow : nullptr; }

private:
    void ValidateCHMFile() const;
};

}  // namespace qx
