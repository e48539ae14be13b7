#pragma once

#include "core/codegen/IconSlot.h"

#include <QFrame>
#include <QImage>

namespace zf {

// One application icon slot of the generate window: the slot's picture at
// its own size (32 x 32 or 15 x 9) under a hand cursor; a click, or Space
// while it has the focus, asks for another picture.
class IconSlotView : public QFrame
{
    Q_OBJECT

public:
    IconSlotView(IconSlot slot, QWidget *parent = nullptr);

    IconSlot slot() const { return m_slot; }
    // The picture as read from the bytes of its bitmap file; a null image
    // when Qt cannot read the file's colour depth.
    const QImage &picture() const { return m_picture; }
    void setBitmap(const QByteArray &bitmapFile);

    QSize sizeHint() const override;

Q_SIGNALS:
    void clicked(IconSlot slot);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    IconSlot m_slot;
    QImage m_picture;
};

} // namespace zf
