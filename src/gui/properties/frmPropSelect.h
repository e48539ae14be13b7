#pragma once

#include "core/properties/PickerPreview.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace zf {

class PropertySheet;
class TCCButton;
class TfrmZoom;

// The "Select Dialog Color Editor": the seven colours of the date or time
// picker a Select box opens, chosen row by row against a preview of that
// picker.
class TfrmDlgColor : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmDlgColor(const TCCButton &button, QWidget *parent = nullptr);
    ~TfrmDlgColor() override;

    // The seven colour names as the grid holds them, joined by ",".
    QString dotColors() const;

    // `dlgSelect` and `dlgTime`: which one shows, and its picture.
    bool isDatePreviewShown() const { return m_dateShown; }
    bool isTimePreviewShown() const { return m_timeShown; }
    const PickerPreview &preview(PickerPreview::Kind kind) const;
    QImage previewPicture(PickerPreview::Kind kind) const;

    QTableWidget *grid() const { return m_stgDlg; }
    QComboBox *colorList() const { return m_cmbBoolean; }
    // Puts a colour name into a row, as a choice from the list does.
    void chooseColor(int row, const QString &name);

Q_SIGNALS:
    // The shown preview looks different now.
    void previewChanged();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyRow(int row);
    void openList(int row);
    void hideList();

    QTableWidget *m_stgDlg;
    QComboBox *m_cmbBoolean;
    QWidget *m_previewView;
    PickerPreview m_dlgSelect{PickerPreview::Kind::Date};
    PickerPreview m_dlgTime{PickerPreview::Kind::Time};
    bool m_dateShown = true;
    bool m_timeShown = false;
};

// The ellipsis of a "DateTimeColors" row: the dialog for the sheet's Select
// box, with the zoom window showing its preview; OK stores the colours as one
// undoable change.
void EditPickerColors(PropertySheet &sheet, QWidget *parent, TfrmZoom *zoom);

} // namespace zf
