#pragma once

#include "core/base/BitmapBits.h"

#include <QDialog>

class QScrollArea;

namespace zf {

class BitGridView;
class PropertySheet;
class UserInterface;

// The "Bitmap Editor": a one-bit picture drawn cell by cell beside a panel
// of buttons 80 pixels wide. It works on its own copy of the pixels; OK
// turns them into `StringBits` text.
class TfrmBmpEd : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPanelWidth = 80;
    static constexpr int kMinimumClientHeight = 104;

    // `cellSize` is the side of one cell without its line.
    TfrmBmpEd(int width, int height, const QString &stringBits, UserInterface &ui, int cellSize,
              QWidget *parent = nullptr);

    const BitmapBits &bits() const { return m_bits; }
    // The picture as `StringBits`.
    QString stringBits() const { return m_bits.toStringBits(); }

    BitGridView *grid() const { return m_stgBits; }
    // Asks, then clears every pixel on Yes.
    void clear();

    // The cell size for a width x height picture: 10 pixels at scale 1, more
    // at a larger design scale, and less when the grid would not fit into
    // `available` beside the button panel (never less than 2).
    static int cellSizeFor(int width, int height, int scale, QSize available);

private:
    BitmapBits m_bits;
    UserInterface &m_ui;
    QScrollArea *m_scroll;
    BitGridView *m_stgBits;
};

// The ellipsis of a bitmap's "Bitmap" row: the editor on the subject's
// picture with the zoom view paused; OK stores the drawing as one undoable
// change. A picture too large to show cell by cell is refused with a
// message.
void EditSubjectBitmap(PropertySheet &sheet, QWidget *parent, int scale);

} // namespace zf
