#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "help/ViewerRequest.h"

class QWidget;

namespace qx {

// Drives the help viewer program: holds the help file, a window type, a topic
// and the lookup settings, checks the file before every display, hands the
// viewer the command (never waiting for it: its answer comes later) and
// reports problems in boxes titled "HTML Help Class".
// Also registers help files, reads the viewer's and renderer's versions and
// checks a minimum configuration.
class HTMLHelp {
public:
    HTMLHelp() = default;
    HTMLHelp(const HTMLHelp&) = delete;
    HTMLHelp& operator=(const HTMLHelp&) = delete;

    static const QString& MessageTitle();

    QString CHMFile;   // a bare name is completed (see EnsureFileExists)
    QString HHWindow;  // window type; blanks only count as none
    std::int32_t HHTopicID = 0;
    QString HHTopicURL;
    QString HHKeyword;
    QString HHALink;
    QString HHDefaultURL;  // shown when a keyword or A-link lookup finds nothing
    QString HHMsgText;     // else this message, titled HHMsgTitle
    QString HHMsgTitle;
    bool HHShowOnTop = false;  // the viewer stays above the calling window

    // Popup source and looks; the looks are reset after every popup.
    QString HHPopupFile;
    QString HHPopupText;
    std::int32_t HHPopupID = 0;
    std::int16_t HHPopupType = 0;        // 0 none, 1 text file in CHMFile, 2 program string, 4 text
    std::uint32_t HHPopupTextColor = 0;  // 0xBBGGRR; 0 is the viewer's own colour
    std::uint32_t HHPopupBackColor = 0;
    std::uint32_t HHPopupCustomTextColor = 0;
    std::uint32_t HHPopupCustomBackColor = 0;
    bool HHPopupCustomColors = false;
    static constexpr QLatin1String kPopupFont{"Arial"};  // the font a popup falls back to
    static constexpr QLatin1String kPopupSize{"10"};
    QString HHPopupTextFont = kPopupFont;
    QString HHPopupTextSize = kPopupSize;
    bool HHPopupTextBold = false;
    bool HHPopupTextItalic = false;
    bool HHPopupTextUnderline = false;

    const QString& HHRegFileName() const { return regFileName_; }
    const QString& HHRegFilePath() const { return regFilePath_; }
    bool HHRegFileExists() const { return regFileExists_; }

    // The viewer program is in its place.
    bool HHInstalled() const;
    // Versions of the viewer program and of the page renderer (Qt), read on
    // demand; installation problems are reported.
    QString HHVersion();
    QString IEVersion();
    QString HHFriendlyName();
    QString IEFriendlyName();
    // The viewer window of the last display the viewer answered, or 0 after
    // a message.
    quint64 HHWndHandle() const;
    // A display has been handed on and its viewer has not answered yet (the
    // viewer starts while the game goes on).
    bool DisplayPending() const { return display_->pending > 0; }

    void HHDisplayTopicURL(QWidget* callingWindow);
    void HHDisplayTopicID(QWidget* callingWindow);
    void HHDisplayContents(QWidget* callingWindow);
    void HHDisplayIndex(QWidget* callingWindow);
    void HHDisplaySearch(QWidget* callingWindow);
    void HHDisplayKeyword(QWidget* callingWindow);
    void HHDisplayALink(QWidget* callingWindow);
    void HHDisplayPopup(QWidget* callingWindow);
    // Closes every viewer window this program opened.
    void HHClose();

    // Removes "Jump to URL..." from a viewer window's menu.
    void HHDeleteJumpURLSysMenu(quint64 helpWindow);
    // Enters What's-This mode: the next click on a widget shows its help text.
    void HHInvokeWhatsThisHelp(QWidget* callingWindow);
    // 1: "Library.chm" in the program's folder, 2: "Library.txt", else empty.
    QString HHSetHelpFile(std::int16_t selector) const;

    // Completes a bare name (registered folder, else the program's folder)
    // and checks that the file exists; a missing file is reported.
    bool EnsureFileExists(QString& file);
    void HHCheckRegistry(const QString& file);
    void HHRegister(const QString& file);
    void HHUnRegister(const QString& file);
    // The viewer and renderer are at least the versions the codes select
    // (viewer 16..26, renderer 256..273).
    bool HHVerifyMinConfig(int minViewerCode, int minBrowserCode);

    // The program's own popup strings (popup types 2 and 4 by HHPopupID).
    static void SetProgramString(std::int32_t id, const QString& text);
    static QString ProgramString(std::int32_t id);

    // "file>window", or the bare file when HHWindow is blank.
    QString HHTarget() const;
    // The owner a viewer gets: the calling window only when HHShowOnTop.
    QWidget* HHOwner(QWidget* callingWindow) const { return HHShowOnTop ? callingWindow : nullptr; }

private:
    bool ValidateCHMFile(const QString& file) const;
    bool PrepareDisplay();
    void Display(QWidget* callingWindow, const QString& windowType, ViewerRequest request);
    // True when this lookup found the file registered.
    bool CheckRegistry(const QString& file, bool reportMissing);
    ViewerRequest LookupRequest(ViewerRequest::Command command, const QString& names) const;
    std::optional<QString> ReadViewerVersion();

    QString regFileName_;
    QString regFilePath_;
    bool regFileExists_ = false;
    // What the viewer answered; shared with the answers still on their way,
    // which find it gone when the wrapper has gone.
    struct DisplayState {
        quint64 window = 0;
        int pending = 0;
    };
    std::shared_ptr<DisplayState> display_ = std::make_shared<DisplayState>();
    QString hhVersion_;
    QString ieVersion_;
};

// The game's help file: help/Quiltrix.chm beside the program, or where an
// installation puts it (../share/quiltrix/help/ from the program's folder).
QString gameHelpFile();

}  // namespace qx
