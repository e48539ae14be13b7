#pragma once

#include "core/app/ExportPicture.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace zf {

class TMainForm;

// The choices of File > Export Picture: the scale and whether the device
// is drawn around the screen.
class ExportPictureDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportPictureDialog(const PictureChoice &choice, QWidget *parent = nullptr);

    PictureChoice choice() const;

private:
    QComboBox *m_scale;
    QRadioButton *m_device;
    QRadioButton *m_screen;
};

// Binds File > Export Picture to the current design window; the choices
// made stay for the next export.
void ConnectExportPicture(TMainForm &window);

} // namespace zf
