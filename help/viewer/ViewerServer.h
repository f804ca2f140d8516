#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <memory>

#include "help/ViewerRequest.h"

class QLocalServer;

namespace qx {
namespace chm {
class HelpBook;
}
class HelpWindow;
class TextPopup;

// The one viewer of a file in a window type: it owns the window, answers
// requests from the game over a local socket and ends when nothing of it is
// left on the screen.
class ViewerServer : public QObject {
    Q_OBJECT
public:
    // file may be empty for a viewer that only shows popups of given text.
    ViewerServer(const QString& file, const QString& windowType);
    ~ViewerServer() override;

    // Takes the pair's lock and listens. False when another viewer already
    // serves the pair (it gets the requests) or the socket cannot be opened.
    bool listen(QString* error);
    // After a failed listen: another viewer holds the pair's lock.
    bool servedElsewhere() const { return servedElsewhere_; }
    const QString& socketPath() const { return place_.socket; }

    // Carries out one request; gives the id of the window shown, or 0.
    quint64 handle(const ViewerRequest& request);

    HelpWindow* window() const;
    // The help window or a popup is on the screen.
    bool showsAnything() const;
    // A viewer started before its first request finishes after `ms` unless
    // it shows something by then.
    void finishUnlessShownWithin(int ms);

signals:
    // Nothing of the viewer is left to show: the program may end.
    void finished();

private:
    HelpWindow& ensureWindow();
    void showLookup(const ViewerRequest& request, const QStringList& found);
    quint64 showPopup(const ViewerRequest& request);
    void finishWhenNothingShows();
    void serveConnection();

    QString file_;
    QString windowType_;
    std::unique_ptr<chm::HelpBook> book_;
    QString problem_;
    ViewerPlace place_;
    QLockFile lock_;
    bool servedElsewhere_ = false;
    QLocalServer* server_ = nullptr;
    QPointer<HelpWindow> window_;
    QPointer<TextPopup> popup_;
};

}  // namespace qx
