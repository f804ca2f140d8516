#pragma once

#include <QImage>
#include <QString>

#include "platform/qt/DesignFont.h"

namespace qx {

// What RefreshResources rebuilds.
enum class ButtonResource { Font, Picture, BackColor };

// The widget side the set-rules and input rules call into: the routines every
// change ends in, the host form's facts and the control surface's own state.
class ButtonHost {
public:
    virtual ~ButtonHost() = default;

    virtual void Redraw() = 0;
    virtual void LayoutContent(bool pictureChanged) = 0;
    virtual void BuildShapeRegion() = 0;
    virtual void RefreshResources(ButtonResource what) = 0;
    virtual void DelayDrawing(bool delay) = 0;
    // Region, layout and face again, as after a resize.
    virtual void ResizeHandling() = 0;

    // Tells the host form which property-store key changed.
    virtual void NotifyChanged(const QString& key) = 0;
    virtual bool DesignMode() const = 0;
    // An explanation shown only in design mode.
    virtual void DesignMessage(const QString& text, const QString& title = {}) = 0;
    // Option group membership (1 join, -1 leave, 0 clear the others, 2 ask).
    virtual bool OptionToggle(int action) = 0;

    // The control surface's own state.
    virtual bool SurfaceEnabled() const = 0;
    virtual void SetSurfaceEnabled(bool enabled) = 0;
    virtual void SetSurfaceFont(const DesignFontInfo& font) = 0;
    virtual void SetSurfaceMousePointer(int pointer) = 0;
    // False when the surface refuses the picture as a mouse icon.
    virtual bool SetSurfaceMouseIcon(const QImage& icon, bool isIcon) = 0;
    virtual void SetAccessKey(const QString& key) = 0;
};

}  // namespace qx
