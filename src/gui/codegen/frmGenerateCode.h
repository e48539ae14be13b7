#pragma once

#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeGenerator.h"
#include "core/codegen/GenerateSettings.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace zf {

class CodePage;
class DesignProject;
class DirectoryEdit;
class IconSlotView;
class UserInterface;

// The generate window: collects the application's settings, kept in the
// project file, shows the four generated texts with their counts, and saves
// them as PocketC files (target PDE) or as Palm DOC files. One
// window serves every showing, so the output folder and the icons picked
// stay while the same project is open.
class TfrmGenerate : public QDialog
{
    Q_OBJECT

public:
    enum Page { MainPage, FormsPage, EventsPage, HeaderPage };

    TfrmGenerate(DesignProject &project, UserInterface &ui, QWidget *parent = nullptr);
    ~TfrmGenerate() override;

    // Refreshes the window from the project and shows it modally.
    int execute();
    // The refresh alone: title and colour option for the library, the form
    // list, the settings kept in the project file.
    void prepare();

    void generate();
    // PDE target: the four texts as they stand in the memos, and the icons.
    void save();
    // Memo target: the four texts as Palm DOC files.
    void saveDoc();
    // Opens the picture chooser for an icon slot; the file chosen is kept in
    // the project file at once.
    void chooseIcon(IconSlot slot);

    // The settings as the window shows them.
    GenerateSettings windowSettings() const;
    CodePage *page(Page page) const { return m_pages[page]; }
    IconSlotView *iconView(IconSlot slot) const { return m_icons[size_t(slot)]; }
    const AppIcons &icons() const { return m_iconFiles; }
    // The problems of the last Generate that will keep the code from
    // building; empty when there are none.
    QLabel *warningsLabel() const { return m_warnings; }

    // Whether a Generate is running; the window takes no input meanwhile.
    bool isBusy() const { return m_busy; }
    // Whether a page still fills its memo with a long text; the window takes
    // input meanwhile.
    bool isFilling() const;
    QProgressBar *progressBar() const { return m_progress; }

    // How long a Generate runs before its progress shows.
    static constexpr int kProgressDelayMs = 300;

Q_SIGNALS:
    // Generate wrote the settings into the project file.
    void settingsStored();

protected:
    // A generator still at work reads the forms: the window waits for it.
    void done(int result) override;

private:
    void createWidgets();
    QLayout *createSettingsColumn();
    QGroupBox *createPrcGroup();
    void targetChanged();
    void clearMemos();
    void applySettings(const GenerateSettings &settings);
    void showIcon(IconSlot slot);
    // While busy the window takes no input, keeps painting, and shows its
    // progress once the work takes noticeable time.
    void setBusy(bool busy);
    // Runs each work on a thread of its own, the window's events going on,
    // until all are done.
    void runInWorkers(const std::vector<std::function<void()>> &works);
    void setInputEnabled(bool enabled);
    GeneratedCode memoCode() const;
    QString outputPath() const;
    const CodeGenerator *generator() const;
    bool hasColorOption() const;

    DesignProject &m_project;
    UserInterface &m_ui;
    FormList m_forms;
    AppIcons m_iconFiles;
    // The project file of the last showing: another project starts again
    // from the defaults.
    QString m_shownProject;
    bool m_busy = false;
    QPointer<QWidget> m_focusBeforeBusy;

    QComboBox *m_cmbForms = nullptr;
    QRadioButton *m_rbtPDE = nullptr;
    QRadioButton *m_rbtMemos = nullptr;
    QCheckBox *m_chkColor = nullptr;
    QWidget *m_panSettings = nullptr;
    QLabel *m_lblOutput = nullptr;
    DirectoryEdit *m_dedOutput = nullptr;
    QGroupBox *m_grpPrc = nullptr;
    QLineEdit *m_edtCID = nullptr;
    QLineEdit *m_edtAppName = nullptr;
    QLineEdit *m_edtAppDB = nullptr;
    QLineEdit *m_edtVersion = nullptr;
    std::array<IconSlotView *, kIconSlotCount> m_icons = {};
    QPushButton *m_butGenerar = nullptr;
    QPushButton *m_butSave = nullptr;
    QPushButton *m_butSaveDoc = nullptr;
    QPushButton *m_butSalir = nullptr;
    QTabWidget *m_pagGenerate = nullptr;
    std::array<CodePage *, 4> m_pages = {};
    QLabel *m_warnings = nullptr;
    QProgressBar *m_progress = nullptr;
    QTimer *m_progressDelay = nullptr;
};

} // namespace zf
