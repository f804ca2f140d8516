#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <thread>

namespace qx {

// A picture that ships with the program (":/..."), read by the decoder its
// suffix names. Qt otherwise asks every image plugin whether it knows the
// file first, which loads all of them (and their libraries) at start-up.
// Null when the file is missing or not of the kind its suffix says.
QImage readOwnPicture(const QString& path);

// Decodes these pictures on a thread of its own, so a window's pictures are
// ready when it is built; readOwnPicture then takes each result (once)
// instead of decoding it again. Needs the application object (the decoders
// are found through its library paths); waits for its thread when destroyed.
class OwnPicturesAhead {
public:
    explicit OwnPicturesAhead(const QStringList& paths);
    ~OwnPicturesAhead();
    OwnPicturesAhead(const OwnPicturesAhead&) = delete;
    OwnPicturesAhead& operator=(const OwnPicturesAhead&) = delete;

private:
    std::thread thread_;
};

}  // namespace qx
