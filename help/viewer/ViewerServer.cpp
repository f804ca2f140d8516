#include "help/viewer/ViewerServer.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include "help/chm/HelpBook.h"
#include "help/viewer/HelpWindow.h"
#include "help/viewer/TextPopup.h"

namespace qx {
namespace {

constexpr qint64 kLongestRequest = 1 << 20;

}  // namespace

ViewerServer::ViewerServer(const QString& file, const QString& windowType)
    : file_(file),
      windowType_(windowType.trimmed()),
      place_(viewerPlace(file, windowType)),
      lock_(place_.lock) {
    if (file_.isEmpty())
        problem_ = QStringLiteral("No help file was given.");
    else
        book_ = chm::HelpBook::open(file_, &problem_);
}

ViewerServer::~ViewerServer() {
    // The socket goes while the lock is still held, so it can never take a
    // socket file the next viewer has just made.
    delete server_;
}

HelpWindow* ViewerServer::window() const {
    return window_.data();
}

bool ViewerServer::listen(QString* error) {
    if (place_.socket.isEmpty()) {
        if (error) *error = QStringLiteral("there is no private runtime folder for its socket");
        return false;
    }
    lock_.setStaleLockTime(0);
    if (!lock_.tryLock(0)) {
        servedElsewhere_ = lock_.error() == QLockFile::LockFailedError;
        if (error)
            *error = servedElsewhere_ ? QStringLiteral("another viewer shows this help file")
                                      : QStringLiteral("its lock cannot be made");
        return false;
    }
    // We hold the lock, so a socket file left behind belongs to a dead viewer.
    QLocalServer::removeServer(place_.socket);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(place_.socket)) {
        if (error) *error = server_->errorString();
        delete server_;
        server_ = nullptr;
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &ViewerServer::serveConnection);
    return true;
}

void ViewerServer::serveConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const auto request = ViewerRequest::fromLine(socket->readLine());
                const quint64 id = request ? handle(*request) : 0;
                socket->write(QByteArray::number(id) + '\n');
                socket->flush();
            }
            // Requests are short; a client that never ends its line is dropped.
            if (socket->bytesAvailable() > kLongestRequest) socket->abort();
        });
    }
}

HelpWindow& ViewerServer::ensureWindow() {
    if (!window_) {
        QString title;
        if (book_) {
            if (const auto type = book_->windowType(windowType_)) title = type->caption;
        }
        if (title.isEmpty()) title = book_ ? QFileInfo(file_).completeBaseName() : kViewerTitle;
        window_ = new HelpWindow(book_.get(), title, windowType_, problem_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        if (book_) {
            if (const auto type = book_->windowType(windowType_);
                type && !type->placement.isEmpty())
                window_->setGeometry(type->placement);
        }
        connect(window_, &HelpWindow::closed, this, &ViewerServer::finishWhenNothingShows,
                Qt::QueuedConnection);
    }
    return *window_;
}

quint64 ViewerServer::handle(const ViewerRequest& request) {
    using Command = ViewerRequest::Command;
    if (request.command == Command::Close) {
        if (popup_) popup_->close();
        if (window_) window_->close();
        emit finished();  // the program ends once the answer has gone back
        return 0;
    }
    if (request.command == Command::Popup) return showPopup(request);
    if (request.command == Command::RemoveJump) {
        if (window_) window_->removeJumpItem();
        return window_ ? quint64(window_->winId()) : 0;
    }

    HelpWindow& window = ensureWindow();
    const bool firstShow = !window.isVisible();
    if (book_) {
        switch (request.command) {
            case Command::Topic:
                window.showTopic(request.topic.isEmpty() ? book_->defaultTopic(windowType_)
                                                         : request.topic);
                break;
            case Command::Context: {
                const QString topic = book_->topicForContext(request.context);
                if (topic.isEmpty())
                    window.showNote(
                        QStringLiteral("The help file has no topic for context number %1.")
                            .arg(request.context));
                else
                    window.showTopic(topic);
                break;
            }
            case Command::Keyword:
                showLookup(request, book_->keywordTopics(request.names));
                break;
            case Command::ALink:
                showLookup(request, book_->alinkTopics(request.names));
                break;
            default:
                if (firstShow) window.showTopic(book_->defaultTopic(windowType_));
                if (request.command == Command::Contents) window.showContents();
                if (request.command == Command::Index) window.showIndex();
                if (request.command == Command::Search) window.showSearch(request.names);
                break;
        }
    }
    window.show();
    if (request.ownerWindow != 0 && window.windowHandle()) {
        if (QWindow* owner = QWindow::fromWinId(WId(request.ownerWindow)))
            window.windowHandle()->setTransientParent(owner);
    }
    window.raise();
    window.activateWindow();
    return quint64(window.winId());
}

void ViewerServer::showLookup(const ViewerRequest& request, const QStringList& found) {
    HelpWindow& window = *window_;
    if (!found.isEmpty()) return window.showFound(found);
    if (!request.defaultTopic.isEmpty()) return window.showTopic(request.defaultTopic);
    if (window.currentTopic().isEmpty()) window.showTopic(book_->defaultTopic(windowType_));
    if (request.notFoundText.isEmpty()) return;
    // After the answer has gone back, so the game never waits on this box.
    const QString text = request.notFoundText;
    const QString title =
        request.notFoundTitle.isEmpty() ? window.windowTitle() : request.notFoundTitle;
    QTimer::singleShot(0, &window, [this, text, title] {
        if (window_) QMessageBox::information(window_, title, text);
    });
}

quint64 ViewerServer::showPopup(const ViewerRequest& request) {
    QString text = request.popupText;
    if (text.isEmpty() && !request.popupSource.isEmpty()) {
        if (!book_) {
            text = problem_;
        } else if (const auto found = book_->popupText(request.popupSource, request.context)) {
            text = *found;
        } else {
            text = QStringLiteral("No help topic is associated with this item (%1 %2).")
                       .arg(request.popupSource)
                       .arg(request.context);
        }
    }
    if (text.isEmpty()) return 0;
    if (popup_) popup_->close();
    popup_ = new TextPopup(text, request.textColor, request.backColor, request.font);
    connect(popup_, &TextPopup::closed, this, &ViewerServer::finishWhenNothingShows,
            Qt::QueuedConnection);
    popup_->showAt(request.position);
    return quint64(popup_->winId());
}

bool ViewerServer::showsAnything() const {
    return (window_ && window_->isVisible()) || (popup_ && popup_->isVisible());
}

void ViewerServer::finishUnlessShownWithin(int ms) {
    QTimer::singleShot(ms, this, &ViewerServer::finishWhenNothingShows);
}

void ViewerServer::finishWhenNothingShows() {
    if (!showsAnything()) emit finished();
}

}  // namespace qx
