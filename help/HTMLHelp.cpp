#include "help/HTMLHelp.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QWhatsThis>
#include <QWidget>
#include <exception>

#include "help/HelpRegistry.h"
#include "help/HelpVersions.h"
#include "help/HelpViewerLink.h"
#include "platform/qt/ProgramMessage.h"

namespace qx {
namespace {

using Command = ViewerRequest::Command;

void say(const QString& text, MessageIcon icon) {
    showMessage({nullptr, HTMLHelp::MessageTitle(), text, icon});
}
void error(const QString& text) {
    say(text, MessageIcon::Critical);
}
void exclaim(const QString& text) {
    say(text, MessageIcon::Warning);
}
void inform(const QString& text) {
    say(text, MessageIcon::Information);
}

QString appFolder() {
    return QCoreApplication::applicationDirPath();
}

// The viewers this program opened, for HHClose, and which viewer owns each
// window it was given, for HHDeleteJumpURLSysMenu.
struct OpenedViewer {
    QString file;
    QString windowType;
    bool operator==(const OpenedViewer&) const = default;
};
size_t qHash(const OpenedViewer& v, size_t seed = 0) {
    return qHashMulti(seed, v.file, v.windowType);
}
QSet<OpenedViewer>& openedViewers() {
    static QSet<OpenedViewer> viewers;
    return viewers;
}
QHash<quint64, OpenedViewer>& viewerWindows() {
    static QHash<quint64, OpenedViewer> windows;
    return windows;
}

QHash<std::int32_t, QString>& programStrings() {
    static QHash<std::int32_t, QString> strings;
    return strings;
}

bool isChmName(const QString& file) {
    return file.endsWith(QLatin1String("chm"), Qt::CaseInsensitive);
}

QString afterLastSlash(const QString& file) {
    return file.mid(file.lastIndexOf(QLatin1Char('/')) + 1);
}

// A registered folder may be written with or without its closing "/".
QString inFolder(const QString& folder, const QString& name) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString withoutQuotes(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}

}  // namespace

const QString& HTMLHelp::MessageTitle() {
    static const QString title = QStringLiteral("HTML Help Class");
    return title;
}

QString gameHelpFile() {
    const QString beside = appFolder() + QStringLiteral("/help/Quiltrix.chm");
    const QString installed =
        QDir::cleanPath(appFolder() + QStringLiteral("/../share/quiltrix/help/Quiltrix.chm"));
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile()) return installed;
    return beside;
}

void HTMLHelp::SetProgramString(std::int32_t id, const QString& text) {
    programStrings().insert(id, text);
}

QString HTMLHelp::ProgramString(std::int32_t id) {
    return programStrings().value(id);
}

bool HTMLHelp::ValidateCHMFile(const QString& file) const {
    if (isChmName(file)) return true;
    exclaim(file + QStringLiteral(" is not a valid HTML Help file."));
    return false;
}

bool HTMLHelp::EnsureFileExists(QString& file) {
    try {
        // An empty name names no file; completing it would name a folder.
        if (!file.isEmpty() && !file.contains(QLatin1Char('/'))) {
            if (CheckRegistry(file, false))
                file = inFolder(regFilePath_, regFileName_);
            else
                file = appFolder() + QLatin1Char('/') + file;
        }
        if (QFileInfo(file).isFile()) return true;
        exclaim(
            QStringLiteral("The file ") + file + QStringLiteral(" does not exist.") +
            QLatin1Char('\n') +
            QStringLiteral("Please make sure the correct path and file name have been specified."));
        return false;
    } catch (const std::exception&) {
        // Nothing was checked, so nothing may be shown from it.
        return false;
    }
}

void HTMLHelp::HHCheckRegistry(const QString& file) {
    CheckRegistry(file, true);
}

bool HTMLHelp::CheckRegistry(const QString& file, bool reportMissing) {
    if (file.isEmpty()) return false;
    regFileExists_ = false;
    ValidateCHMFile(file);
    const QString name = afterLastSlash(file);
    const auto entry = HelpRegistry(HelpRegistry::defaultPath()).find(name);
    if (!entry) {
        regFileName_.clear();
        regFilePath_.clear();
        return false;
    }
    regFileName_ = entry->name;
    regFilePath_ = withoutQuotes(entry->folder);
    QString registered = inFolder(regFilePath_, regFileName_);
    // Inside EnsureFileExists the caller reports a missing file itself: once.
    regFileExists_ = reportMissing ? EnsureFileExists(registered) : QFileInfo(registered).isFile();
    return true;
}

void HTMLHelp::HHRegister(const QString& file) {
    if (file.isEmpty()) return;
    if (CheckRegistry(file, true)) {
        inform(QStringLiteral("The file ") + file + QStringLiteral(" is already registered.  ") +
               QStringLiteral("HHRegister will not be run as no action need be taken."));
        return;
    }
    if (!isChmName(file)) return;  // CheckRegistry has said so
    if (!file.contains(QLatin1Char('/'))) {
        exclaim(QStringLiteral("Cannot register ") + file +
                QStringLiteral(" without having a supplied path.") + QLatin1Char('"'));
        return;
    }
    QString checked = file;
    if (!EnsureFileExists(checked)) return;
    const qsizetype slash = file.lastIndexOf(QLatin1Char('/'));
    if (!HelpRegistry(HelpRegistry::defaultPath()).set(file.mid(slash + 1), file.left(slash + 1)))
        exclaim(QStringLiteral("HTML Help Class: HHRegister Error"));
}

void HTMLHelp::HHUnRegister(const QString& file) {
    const QString name = afterLastSlash(file);
    HelpRegistry registry(HelpRegistry::defaultPath());
    if (name.isEmpty() || !registry.find(name)) {
        inform(QStringLiteral("The file ") + file + QStringLiteral(" is not registered.  ") +
               QStringLiteral("HHUnRegister will not be run as no action need be taken."));
        return;
    }
    registry.remove(name);
}

QString HTMLHelp::HHTarget() const {
    if (HHWindow.trimmed().isEmpty()) return CHMFile;
    return CHMFile + QLatin1Char('>') + HHWindow;
}

bool HTMLHelp::PrepareDisplay() {
    ValidateCHMFile(CHMFile);
    return EnsureFileExists(CHMFile);
}

void HTMLHelp::Display(QWidget* callingWindow, const QString& windowType, ViewerRequest request) {
    if (QWidget* owner = HHOwner(callingWindow)) request.ownerWindow = owner->window()->winId();
    const QString file =
        request.command == Command::Popup && request.popupSource.isEmpty() ? QString() : CHMFile;
    const OpenedViewer viewer{file, windowType.trimmed()};
    // Known before it answers, so HHClose reaches a viewer still starting too.
    openedViewers().insert(viewer);
    ++display_->pending;
    // The game goes on while the viewer starts; its answer comes back here.
    HelpViewerLink::current().open(
        file, viewer.windowType, request,
        [display = std::weak_ptr<DisplayState>(display_),
         viewer](const ViewerClient::Answer& answer) {
            const auto state = display.lock();
            if (state) --state->pending;
            if (answer.reached) {
                if (state) state->window = answer.window;
                if (answer.window != 0) viewerWindows().insert(answer.window, viewer);
                return;
            }
            openedViewers().remove(viewer);
            // A wrapper that has gone asked for nothing any more; a request
            // that waited with an earlier one shares that one's message.
            if (!state) return;
            state->window = 0;
            if (answer.joined) return;
            error(QStringLiteral("The help viewer did not open ") +
                  (viewer.file.isEmpty() ? QStringLiteral("the popup") : viewer.file) +
                  QStringLiteral(": it could not be started or it stopped."));
        });
}

void HTMLHelp::HHDisplayTopicURL(QWidget* callingWindow) {
    if (!PrepareDisplay()) return;
    ViewerRequest request;
    request.command = Command::Topic;
    request.topic = HHTopicURL;
    Display(callingWindow, HHWindow, request);
}

void HTMLHelp::HHDisplayTopicID(QWidget* callingWindow) {
    if (!PrepareDisplay()) return;
    ViewerRequest request;
    request.command = Command::Context;
    request.context = quint32(HHTopicID);
    Display(callingWindow, HHWindow, request);
}

void HTMLHelp::HHDisplayContents(QWidget* callingWindow) {
    if (!PrepareDisplay()) return;
    ViewerRequest request;
    request.command = Command::Contents;
    Display(callingWindow, HHWindow, request);
}

void HTMLHelp::HHDisplayIndex(QWidget* callingWindow) {
    if (!PrepareDisplay()) return;
    ViewerRequest request;
    request.command = Command::Index;
    Display(callingWindow, HHWindow, request);
}

void HTMLHelp::HHDisplaySearch(QWidget* callingWindow) {
    if (!PrepareDisplay()) return;
    ViewerRequest request;  // an empty query: the search page opens ready for words
    request.command = Command::Search;
    Display(callingWindow, HHWindow, request);
}

ViewerRequest HTMLHelp::LookupRequest(ViewerRequest::Command command, const QString& names) const {
    ViewerRequest request;
    request.command = command;
    request.names = names;
    request.defaultTopic = HHDefaultURL;
    request.notFoundText = HHMsgText;
    request.notFoundTitle = HHMsgTitle;
    return request;
}

void HTMLHelp::HHDisplayKeyword(QWidget* callingWindow) {
    if (!PrepareDisplay()) return;
    Display(callingWindow, HHWindow, LookupRequest(Command::Keyword, HHKeyword));
}

void HTMLHelp::HHDisplayALink(QWidget* callingWindow) {
    if (!PrepareDisplay()) return;
    Display(callingWindow, HHWindow, LookupRequest(Command::ALink, HHALink));
}

void HTMLHelp::HHDisplayPopup(QWidget* callingWindow) {
    if (HHPopupType == 0) return;
    ViewerRequest request;
    request.command = Command::Popup;
    request.position = QCursor::pos();
    request.textColor = HHPopupCustomColors ? HHPopupCustomTextColor : HHPopupTextColor;
    request.backColor = HHPopupCustomColors ? HHPopupCustomBackColor : HHPopupBackColor;
    request.font =
        (HHPopupTextFont.isEmpty() ? QString(kPopupFont) : HHPopupTextFont) + QStringLiteral(", ") +
        (HHPopupTextSize.isEmpty() ? QString(kPopupSize) : HHPopupTextSize) +
        QStringLiteral(", ascii, ") + (HHPopupTextBold ? QStringLiteral("Bold ") : QString()) +
        (HHPopupTextItalic ? QStringLiteral("Italic ") : QString()) +
        (HHPopupTextUnderline ? QStringLiteral("Underline") : QString());
    request.context = quint32(HHPopupID);
    bool show = true;
    if (HHPopupType == 1) {
        show = PrepareDisplay();
        if (show && !HHPopupFile.endsWith(QLatin1String("txt"), Qt::CaseInsensitive)) {
            exclaim(QStringLiteral("The file specified as the text popup source, '") + HHPopupFile +
                    QStringLiteral("', is not a valid popup file."));
            show = false;
        }
        request.popupSource = HHPopupFile;
    } else if (HHPopupType == 2) {
        request.popupText = ProgramString(HHPopupID);
    } else if (HHPopupType == 4) {
        request.popupText = HHPopupText.isEmpty() ? ProgramString(HHPopupID) : HHPopupText;
    } else {
        show = false;
    }
    if (show && (HHPopupType == 1 || !request.popupText.isEmpty()))
        Display(callingWindow, QString(), request);
    HHPopupTextColor = HHPopupBackColor = HHPopupCustomTextColor = HHPopupCustomBackColor = 0;
    HHPopupTextFont = kPopupFont;
    HHPopupTextSize = kPopupSize;
    HHPopupTextBold = HHPopupTextItalic = HHPopupTextUnderline = false;
}

void HTMLHelp::HHClose() {
    ViewerRequest request;
    request.command = Command::Close;
    for (const OpenedViewer& viewer : std::as_const(openedViewers()))
        HelpViewerLink::current().tell(viewer.file, viewer.windowType, request);
    openedViewers().clear();
    viewerWindows().clear();
}

quint64 HTMLHelp::HHWndHandle() const {
    if (display_->window == 0) exclaim(QStringLiteral("No HTML Help window handle to retrieve."));
    return display_->window;
}

void HTMLHelp::HHDeleteJumpURLSysMenu(quint64 helpWindow) {
    const auto it = viewerWindows().constFind(helpWindow);
    if (it == viewerWindows().constEnd()) return;
    ViewerRequest request;
    request.command = Command::RemoveJump;
    HelpViewerLink::current().tell(it->file, it->windowType, request);
}

void HTMLHelp::HHInvokeWhatsThisHelp(QWidget*) {
    QWhatsThis::enterWhatsThisMode();
}

QString HTMLHelp::HHSetHelpFile(std::int16_t selector) const {
    if (selector == 1) return appFolder() + QStringLiteral("/Library.chm");
    if (selector == 2) return QStringLiteral("Library.txt");
    return {};
}

bool HTMLHelp::HHInstalled() const {
    return HelpViewerLink::current().installed();
}

std::optional<QString> HTMLHelp::ReadViewerVersion() {
    HelpViewerLink& link = HelpViewerLink::current();
    if (!link.installed()) {
        error(QStringLiteral("Hhctrl.ocx is not registered.  ") +
              QStringLiteral("Please install HTML Help."));
        return std::nullopt;
    }
    const QString line = link.versionLine();
    const auto parts = versionParts(line.section(QLatin1Char(' '), -1));
    if (!parts) {
        error(QStringLiteral("Hhctrl.ocx is not in its registered location.  ") +
              QStringLiteral("Please reinstall HTML Help."));
        return std::nullopt;
    }
    return formatVersion(*parts);
}

QString HTMLHelp::HHVersion() {
    if (hhVersion_.isEmpty()) hhVersion_ = ReadViewerVersion().value_or(QString());
    return hhVersion_;
}

QString HTMLHelp::IEVersion() {
    // Pages are drawn by Qt's rich text, so its version stands for the browser's.
    if (ieVersion_.isEmpty())
        ieVersion_ =
            formatVersion(versionParts(QString::fromLatin1(qVersion())).value_or(QList<int>{}));
    return ieVersion_;
}

QString HTMLHelp::HHFriendlyName() {
    return viewerFriendlyName(HHVersion());
}

QString HTMLHelp::IEFriendlyName() {
    return browserFriendlyName(IEVersion());
}

bool HTMLHelp::HHVerifyMinConfig(int minViewerCode, int minBrowserCode) {
    const QString viewer = HHVersion();
    const QString browser = IEVersion();
    const auto minViewer = minimumViewerVersion(minViewerCode);
    const auto minBrowser = minimumBrowserVersion(minBrowserCode);
    if (!minViewer || !minBrowser) return false;
    // The codes name releases of the platform's viewer; ours is judged by the
    // release whose commands it carries out, not by its own version number.
    return !viewer.isEmpty() && compareVersions(kViewerCommandLevel, *minViewer) >= 0 &&
           compareVersions(browser, *minBrowser) >= 0;
}

}  // namespace qx
