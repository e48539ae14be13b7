#pragma once

#include "core/app/RecoveryCopies.h"

#include <QDialog>

#include <vector>

class QComboBox;

namespace zf {

// Offers the forms a crashed run left: "Recover" loads those of one
// library, "Discard" throws them all away. Closing the window decides
// nothing; the offer comes again at the next start. Forms of a library that
// cannot be recovered now are listed too, and stay for a later start.
class RecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    enum Choice { Undecided, Recover, Discard };

    // `libraries`: those that can be recovered, the one to propose first.
    RecoveryDialog(const std::vector<RecoveredForm> &forms, const std::vector<int> &libraries,
                   QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }
    // The library whose forms Recover loads.
    int library() const;

private:
    Choice m_choice = Undecided;
    QComboBox *m_library = nullptr;
};

} // namespace zf
