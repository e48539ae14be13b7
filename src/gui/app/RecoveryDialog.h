#pragma once

#include "core/app/RecoveryCopies.h"

#include <QDialog>

#include <vector>

namespace zf {

// Offers the forms a crashed run left: "Recover" loads them, "Discard"
// throws them away. Closing the window decides nothing; the offer comes
// again at the next start.
class RecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    enum Choice { Undecided, Recover, Discard };

    explicit RecoveryDialog(const std::vector<RecoveredForm> &forms, QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }

private:
    Choice m_choice = Undecided;
};

} // namespace zf
