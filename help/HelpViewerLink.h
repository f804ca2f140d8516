#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <memory>

#include "help/ViewerClient.h"

namespace qx {

// How the help wrapper reaches the viewer program. The game uses the real
// program beside it; tests put in their own link. Nothing waits: answers
// come back through the handler, later.
class HelpViewerLink {
public:
    virtual ~HelpViewerLink() = default;
    // Hands the request to the viewer of the file in the window type,
    // starting one when none runs; `done` is told once how it went.
    virtual void open(const QString& file, const QString& windowType, const ViewerRequest& request,
                      ViewerClient::AnswerHandler done) = 0;
    // Hands the request only to a viewer that runs or is being started.
    virtual void tell(const QString& file, const QString& windowType,
                      const ViewerRequest& request) = 0;
    // The viewer's "--version" line; empty when it cannot be run.
    virtual QString versionLine() = 0;
    // The viewer program is where the game expects it.
    virtual bool installed() = 0;

    // The link every wrapper uses; setCurrent returns the one it replaces
    // (nullptr puts the real program back).
    static HelpViewerLink& current();
    static std::unique_ptr<HelpViewerLink> setCurrent(std::unique_ptr<HelpViewerLink> link);
};

// The quiltrix-help program at a path.
class ProgramViewerLink : public HelpViewerLink {
public:
    explicit ProgramViewerLink(QString program, const ViewerClient::Timing& timing = {})
        : program_(std::move(program)), timing_(timing) {}
    ~ProgramViewerLink() override;
    // quiltrix-help in the program's folder.
    static QString defaultProgram();

    void open(const QString& file, const QString& windowType, const ViewerRequest& request,
              ViewerClient::AnswerHandler done) override;
    void tell(const QString& file, const QString& windowType,
              const ViewerRequest& request) override;
    QString versionLine() override;
    bool installed() override;

private:
    // The requests under way for the pair, one queue per viewer.
    ViewerCall& callFor(const QString& file, const QString& windowType);

    QString program_;
    ViewerClient::Timing timing_;
    QHash<QString, QPointer<ViewerCall>> calls_;
};

}  // namespace qx
