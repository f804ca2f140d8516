#include "platform/qt/FormDesign.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace qx {
namespace {

[[noreturn]] void fail(const QString& where, const QString& why) {
    throw DesignError(where + QStringLiteral(": ") + why);
}

QString requiredText(const QJsonObject& object, const char* key, const QString& where) {
    const QJsonValue v = object.value(QLatin1String(key));
    if (!v.isString() || v.toString().isEmpty())
        fail(where, QStringLiteral("\"%1\" must be a non-empty text").arg(QLatin1String(key)));
    return v.toString();
}

QRect parseRect(const QJsonValue& v, const QString& where) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 4)
        fail(where, QStringLiteral("\"rect\" must be [x, y, width, height]"));
    int n[4];
    for (int i = 0; i < 4; ++i) {
        if (!a[i].isDouble() || a[i].toDouble() != static_cast<double>(a[i].toInt()))
            fail(where, QStringLiteral("\"rect\" must hold whole numbers"));
        n[i] = a[i].toInt();
    }
    if (n[2] < 0 || n[3] < 0) fail(where, QStringLiteral("\"rect\" has a negative size"));
    return QRect(n[0], n[1], n[2], n[3]);
}

ControlDesign parseControl(const QJsonValue& v, const QString& parent, QSet<QString>& seen);

std::vector<ControlDesign> parseControls(const QJsonValue& v, const QString& where,
                                         QSet<QString>& seen) {
    std::vector<ControlDesign> controls;
    if (v.isUndefined()) return controls;
    if (!v.isArray()) fail(where, QStringLiteral("\"controls\" must be a list"));
    for (const QJsonValue& item : v.toArray()) controls.push_back(parseControl(item, where, seen));
    return controls;
}

ControlDesign parseControl(const QJsonValue& v, const QString& parent, QSet<QString>& seen) {
    if (!v.isObject()) fail(parent, QStringLiteral("a control must be an object"));
    const QJsonObject o = v.toObject();
    ControlDesign c;
    c.name = requiredText(o, "name", parent);
    const QJsonValue index = o.value(QLatin1String("index"));
    if (!index.isUndefined()) {
        if (!index.isDouble() || index.toInt(-1) < 0)
            fail(parent + QLatin1Char('.') + c.name, QStringLiteral("\"index\" must be 0 or more"));
        c.index = index.toInt();
    }
    const QString where = parent + QLatin1Char('.') + c.key();
    if (seen.contains(c.key())) fail(where, QStringLiteral("the control is given twice"));
    seen.insert(c.key());
    c.kind = requiredText(o, "kind", where);
    c.rect = parseRect(o.value(QLatin1String("rect")), where);
    const QJsonValue props = o.value(QLatin1String("properties"));
    if (!props.isUndefined() && !props.isObject())
        fail(where, QStringLiteral("\"properties\" must be an object"));
    c.properties = PropertyBag(props.toObject(), where);
    c.children = parseControls(o.value(QLatin1String("controls")), where, seen);
    return c;
}

std::vector<MenuDesign> parseMenus(const QJsonValue& v, const QString& where) {
    std::vector<MenuDesign> menus;
    if (v.isUndefined()) return menus;
    if (!v.isArray()) fail(where, QStringLiteral("\"menus\" must be a list"));
    for (const QJsonValue& item : v.toArray()) {
        const QJsonObject o = item.toObject();
        if (!item.isObject()) fail(where, QStringLiteral("a menu must be an object"));
        MenuDesign menu;
        menu.separator = o.value(QLatin1String("separator")).toBool(false);
        if (!menu.separator) {
            menu.name = requiredText(o, "name", where);
            menu.caption = requiredText(o, "caption", where + QLatin1Char('.') + menu.name);
            menu.items =
                parseMenus(o.value(QLatin1String("items")), where + QLatin1Char('.') + menu.name);
        }
        menus.push_back(std::move(menu));
    }
    return menus;
}

const ControlDesign* findIn(const std::vector<ControlDesign>& controls, const QString& name,
                            int index) {
    for (const ControlDesign& c : controls) {
        if (c.name == name && c.index == index) return &c;
        if (const ControlDesign* inner = findIn(c.children, name, index)) return inner;
    }
    return nullptr;
}

}  // namespace

QString ControlDesign::key() const {
    return index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

const ControlDesign* FormDesign::find(const QString& controlName, int index) const {
    return findIn(controls, controlName, index);
}

namespace {

void addFonts(const std::vector<ControlDesign>& controls, QList<DesignFontInfo>& fonts) {
    for (const ControlDesign& c : controls) {
        if (c.properties.contains(QStringLiteral("Font")))
            fonts << c.properties.font(QStringLiteral("Font"));
        addFonts(c.children, fonts);
    }
}

}  // namespace

QList<DesignFontInfo> FormDesign::fonts() const {
    QList<DesignFontInfo> all;
    if (properties.contains(QStringLiteral("Font"))) all << properties.font(QStringLiteral("Font"));
    addFonts(controls, all);
    return all;
}

const ControlDesign& FormDesign::control(const QString& controlName, int index) const {
    const ControlDesign* c = find(controlName, index);
    if (!c) {
        const QString key =
            index < 0 ? controlName : QStringLiteral("%1(%2)").arg(controlName).arg(index);
        fail(name, QStringLiteral("the design has no control ") + key);
    }
    return *c;
}

FormDesign parseFormDesign(const QByteArray& json, const QString& source) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(source, QStringLiteral("not valid JSON at offset %1 (%2)")
                         .arg(error.offset)
                         .arg(error.errorString()));
    if (!doc.isObject()) fail(source, QStringLiteral("the design must be an object"));
    const QJsonObject root = doc.object();
    FormDesign form;
    form.name = requiredText(root, "form", source);
    const QString where = source + QLatin1Char(':') + form.name;
    const QJsonValue props = root.value(QLatin1String("properties"));
    if (!props.isUndefined() && !props.isObject())
        fail(where, QStringLiteral("\"properties\" must be an object"));
    form.properties = PropertyBag(props.toObject(), where);
    QSet<QString> seen;
    form.controls = parseControls(root.value(QLatin1String("controls")), where, seen);
    form.menus = parseMenus(root.value(QLatin1String("menus")), where);
    return form;
}

FormDesign loadFormDesign(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("cannot be read (") + file.errorString() + QLatin1Char(')'));
    return parseFormDesign(file.readAll(), path);
}

}  // namespace qx
