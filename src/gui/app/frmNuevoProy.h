#pragma once

#include <QDialog>

class QComboBox;

namespace zf {

// The New Project dialog: which library the project targets.
class TfrmNuevoProy : public QDialog
{
    Q_OBJECT

public:
    // `current` is the library preselected (1 or 2).
    explicit TfrmNuevoProy(int current, QWidget *parent = nullptr);

    // The chosen library: 1 CControls, 2 PToolBox.
    int library() const;

private:
    QComboBox *m_library;
};

} // namespace zf
