#pragma once

#include <QString>
#include <optional>

namespace qx {

// Where help files are registered with the viewer: a small "name=folder" file
// in the user's configuration folder. Names compare without regard to case.
class HelpRegistry {
public:
    struct Entry {
        QString name;
        QString folder;
    };

    explicit HelpRegistry(QString path) : path_(std::move(path)) {}

    // The registry the help wrapper uses; tests point it at a file of their own.
    static QString defaultPath();
    // Returns the previous path; an empty path restores the user's own file.
    static QString setDefaultPath(const QString& path);

    std::optional<Entry> find(const QString& name) const;
    // False when the file cannot be written.
    bool set(const QString& name, const QString& folder);
    bool remove(const QString& name);

private:
    QString path_;
};

}  // namespace qx
