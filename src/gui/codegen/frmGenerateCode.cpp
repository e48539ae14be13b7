#include "gui/codegen/frmGenerateCode.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/DocFiles.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/UserInterface.h"
#include "gui/app/HelpTopics.h"
#include "gui/codegen/CodePage.h"
#include "gui/codegen/DirectoryEdit.h"
#include "gui/codegen/IconSlotView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>


namespace zf {

namespace {

const QString kTitle = QStringLiteral("Zentiform 1.2 - Generate code - ");

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *lineEdit(const char *name, int maxLength, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

TfrmGenerate::TfrmGenerate(DesignProject &project, UserInterface &ui, QWidget *parent)
    : QDialog(parent), m_project(project), m_ui(ui)
{
    setObjectName(QStringLiteral("frmGenerate"));
    setWindowTitle(kTitle + QStringLiteral("CControls"));
    createWidgets();
    addHelpKey(this, HelpTopic::GenerateDialog);
    for (IconSlot slot : kIconSlots)
        showIcon(slot);
}

TfrmGenerate::~TfrmGenerate() = default;

void TfrmGenerate::createWidgets()
{
    m_pagGenerate = new QTabWidget(this);
    m_pagGenerate->setObjectName(QStringLiteral("pagGenerate"));
    const QString names[] = {QStringLiteral("Main"), QStringLiteral("Forms"),
                             QStringLiteral("Events"), QStringLiteral("Header")};
    for (int i = 0; i < 4; ++i) {
        m_pages[size_t(i)] = new CodePage(names[i], m_pagGenerate);
        m_pagGenerate->addTab(m_pages[size_t(i)], names[i]);
    }

    m_butGenerar = button(QStringLiteral("&Generate"), "butGenerar", this);
    m_butGenerar->setDefault(true);
    m_butSave = button(QStringLiteral("&Save"), "butSave", this);
    m_butSaveDoc = button(QStringLiteral("&Save DOC"), "butSaveDoc", this);
    m_butSalir = button(QStringLiteral("E&xit"), "butSalir", this);
    m_butSave->setEnabled(false);
    m_butSaveDoc->setEnabled(false);
    m_butSaveDoc->hide();

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("barProgress"));
    m_progress->setMinimumWidth(120);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_progressDelay = new QTimer(this);
    m_progressDelay->setSingleShot(true);
    m_progressDelay->setInterval(kProgressDelayMs);
    connect(m_progressDelay, &QTimer::timeout, m_progress, &QWidget::show);

    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("lblWarnings"));
    m_warnings->setWordWrap(true);
    m_warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_warnings->hide();

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_butGenerar, m_butSave, m_butSaveDoc})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_butSalir);

    auto *left = new QVBoxLayout;
    left->addLayout(createSettingsColumn());
    left->addStretch(1);
    left->addWidget(m_progress);
    left->addLayout(buttons);
    m_panSettings = new QWidget(this);
    m_panSettings->setObjectName(QStringLiteral("panSettings"));
    m_panSettings->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);

    auto *right = new QVBoxLayout;
    right->addWidget(m_pagGenerate, 1);
    right->addWidget(m_warnings);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_panSettings);
    layout->addLayout(right, 1);
    resize(960, 600);

    connect(m_rbtPDE, &QRadioButton::toggled, this, [this] { targetChanged(); });
    connect(m_chkColor, &QCheckBox::toggled, this, [this] { clearMemos(); });
    connect(m_butGenerar, &QPushButton::clicked, this, &TfrmGenerate::generate);
    connect(m_butSave, &QPushButton::clicked, this, &TfrmGenerate::save);
    connect(m_butSaveDoc, &QPushButton::clicked, this, &TfrmGenerate::saveDoc);
    connect(m_butSalir, &QPushButton::clicked, this, &QDialog::accept);
    for (IconSlotView *view : m_icons)
        connect(view, &IconSlotView::clicked, this, &TfrmGenerate::chooseIcon);
}

QLayout *TfrmGenerate::createSettingsColumn()
{
    m_cmbForms = new QComboBox(this);
    m_cmbForms->setObjectName(QStringLiteral("cmbForms"));
    m_cmbForms->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cmbForms->setMinimumContentsLength(16);
    auto *formsLabel = new QLabel(QStringLiteral("&First Form"), this);
    formsLabel->setBuddy(m_cmbForms);

    auto *target = new QGroupBox(QStringLiteral("Target"), this);
    target->setObjectName(QStringLiteral("grpTarget"));
    m_rbtPDE = new QRadioButton(QStringLiteral("&PDE"), target);
    m_rbtPDE->setObjectName(QStringLiteral("rbtPDE"));
    m_rbtPDE->setChecked(true);
    m_rbtMemos = new QRadioButton(QStringLiteral("Palm &memos / DOC files"), target);
    m_rbtMemos->setObjectName(QStringLiteral("rbtMemos"));
    auto *targetLayout = new QVBoxLayout(target);
    targetLayout->addWidget(m_rbtPDE);
    targetLayout->addWidget(m_rbtMemos);

    m_chkColor = new QCheckBox(QStringLiteral("Generate c&olor code"), this);
    m_chkColor->setObjectName(QStringLiteral("chkColor"));
    m_chkColor->setChecked(true);
    m_chkColor->hide();

    m_dedOutput = new DirectoryEdit(QStringLiteral("Select the output directory"), this);
    m_dedOutput->setObjectName(QStringLiteral("dedOutput"));
    m_lblOutput = new QLabel(QStringLiteral("&Output Dir"), this);
    m_lblOutput->setObjectName(QStringLiteral("lblOutput"));
    m_lblOutput->setBuddy(m_dedOutput);

    auto *top = new QFormLayout;
    top->addRow(formsLabel, m_cmbForms);
    auto *column = new QVBoxLayout;
    column->addLayout(top);
    column->addWidget(target);
    column->addWidget(m_chkColor);
    auto *output = new QFormLayout;
    output->addRow(m_lblOutput, m_dedOutput);
    column->addLayout(output);
    column->addWidget(createPrcGroup());
    return column;
}

QGroupBox *TfrmGenerate::createPrcGroup()
{
    m_grpPrc = new QGroupBox(QStringLiteral("PRC properties"), this);
    m_grpPrc->setObjectName(QStringLiteral("grpPrc"));
    // The creator ID and the database name are fields of a fixed size in the
    // application's database header.
    m_edtCID = lineEdit("edtCID", 4, m_grpPrc);
    m_edtAppName = lineEdit("edtAppName", 0, m_grpPrc);
    m_edtAppDB = lineEdit("edtAppDB", 31, m_grpPrc);
    m_edtVersion = lineEdit("edtVersion", 0, m_grpPrc);

    auto *edits = new QFormLayout;
    const std::pair<const char *, QLineEdit *> rows[] = {
        {"Creator &ID", m_edtCID},
        {"App &name", m_edtAppName},
        {"&DB name", m_edtAppDB},
        {"App &version", m_edtVersion},
    };
    for (const auto &[caption, edit] : rows) {
        auto *label = new QLabel(QString::fromLatin1(caption), m_grpPrc);
        label->setBuddy(edit);
        edits->addRow(label, edit);
    }

    // Four columns by colour depth, the large icon above the small one.
    auto *icons = new QGridLayout;
    icons->setHorizontalSpacing(12);
    for (IconSlot slot : kIconSlots) {
        const int index = int(slot);
        const int column = index / 2;
        const int row = (index % 2) * 2;
        auto *view = new IconSlotView(slot, m_grpPrc);
        m_icons[size_t(index)] = view;
        auto *label = new QLabel(QLatin1String(iconSlotInfo(slot).caption), m_grpPrc);
        label->setObjectName(QStringLiteral("lbl") + QLatin1String(iconSlotInfo(slot).key));
        icons->addWidget(view, row, column, Qt::AlignHCenter | Qt::AlignBottom);
        icons->addWidget(label, row + 1, column, Qt::AlignHCenter | Qt::AlignTop);
    }

    auto *layout = new QVBoxLayout(m_grpPrc);
    layout->addLayout(edits);
    layout->addLayout(icons);
    return m_grpPrc;
}

const CodeGenerator *TfrmGenerate::generator() const
{
    return CodeGenerator::forLibrary(m_project.library());
}

bool TfrmGenerate::isFilling() const
{
    return std::any_of(m_pages.begin(), m_pages.end(),
                       [](const CodePage *page) { return page->isFilling(); });
}

bool TfrmGenerate::hasColorOption() const
{
    const CodeGenerator *g = generator();
    return g && g->hasColorOption();
}

int TfrmGenerate::execute()
{
    prepare();
    return exec();
}

void TfrmGenerate::prepare()
{
    // Another project starts from its own folder and the built-in icons; the
    // same project keeps what this window showed last time.
    if (m_shownProject != m_project.projectFile()) {
        m_shownProject = m_project.projectFile();
        m_dedOutput->setText(QString());
        m_iconFiles = AppIcons();
        for (IconSlot slot : kIconSlots)
            showIcon(slot);
    }

    clearMemos();
    const CodeGenerator *g = generator();
    setWindowTitle(kTitle + (g ? g->titleName() : QString()));
    m_chkColor->setVisible(hasColorOption());
    m_pagGenerate->setCurrentIndex(MainPage);
    if (m_dedOutput->text().isEmpty())
        m_dedOutput->setText(
            QDir::toNativeSeparators(QFileInfo(m_project.projectFile()).absolutePath()));

    m_forms.assign(m_project.formsInWindowOrder().begin(), m_project.formsInWindowOrder().end());
    m_cmbForms->clear();
    for (const DesignForm *form : m_forms)
        m_cmbForms->addItem(form->name());
    m_cmbForms->setCurrentIndex(0);
    m_warnings->clear();
    m_warnings->hide();
    // A window just shown has nothing to save yet.
    m_butSave->setEnabled(false);
    m_butSaveDoc->setEnabled(false);

    GenerateSettings settings;
    GenerateSettings::load(m_project.projectFile(), hasColorOption(), m_dedOutput->text(),
                           &settings, nullptr);
    applySettings(settings);
    for (CodePage *page : m_pages)
        page->clearCounters();
}

void TfrmGenerate::applySettings(const GenerateSettings &settings)
{
    m_dedOutput->setText(settings.output);
    const int first = m_cmbForms->findText(settings.firstForm, Qt::MatchExactly);
    m_cmbForms->setCurrentIndex(first < 0 ? 0 : first);
    (settings.memo ? m_rbtMemos : m_rbtPDE)->setChecked(true);
    targetChanged();
    m_edtCID->setText(settings.creatorId);
    m_edtAppName->setText(settings.appName);
    m_edtAppDB->setText(settings.appDb);
    m_edtVersion->setText(settings.version);
    if (hasColorOption())
        m_chkColor->setChecked(settings.color);
    // A stored file that is gone leaves the slot as it is, without a word; one
    // that is there but no bitmap is worth a message.
    for (const QString &problem : m_iconFiles.loadFrom(settings))
        m_ui.error(problem);
    for (IconSlot slot : kIconSlots)
        showIcon(slot);
}

GenerateSettings TfrmGenerate::windowSettings() const
{
    GenerateSettings settings;
    settings.output = m_dedOutput->text();
    settings.firstForm = m_cmbForms->currentText();
    settings.memo = m_rbtMemos->isChecked();
    settings.creatorId = m_edtCID->text();
    settings.appName = m_edtAppName->text();
    settings.appDb = m_edtAppDB->text();
    settings.version = m_edtVersion->text();
    settings.color = m_chkColor->isChecked();
    return settings;
}

void TfrmGenerate::targetChanged()
{
    clearMemos();
    const bool pde = m_rbtPDE->isChecked();
    m_grpPrc->setVisible(pde);
    m_butSave->setVisible(pde);
    m_butSaveDoc->setVisible(!pde);
    // The output folder stays: the DOC files go there too.
}

void TfrmGenerate::clearMemos()
{
    for (CodePage *page : m_pages)
        page->clear();
}

void TfrmGenerate::showIcon(IconSlot slot)
{
    m_icons[size_t(slot)]->setBitmap(m_iconFiles.bitmap(slot));
}

void TfrmGenerate::chooseIcon(IconSlot slot)
{
    const std::optional<QString> path =
        m_ui.openFileName({iconOpenTitle(slot), QStringLiteral("Bitmaps (*.bmp)|*.bmp"),
                           QStringLiteral("BMP"), outputPath()});
    if (!path)
        return;
    QString error;
    if (!m_iconFiles.load(slot, *path, &error)) {
        m_ui.error(error);
        return;
    }
    showIcon(slot);
    storeIconPath(m_project.projectFile(), slot, *path, m_ui);
}

QString TfrmGenerate::outputPath() const
{
    return outputFolder(m_dedOutput->text(), m_project.projectFile());
}

GeneratedCode TfrmGenerate::memoCode() const
{
    return {m_pages[MainPage]->lines(), m_pages[FormsPage]->lines(), m_pages[EventsPage]->lines(),
            m_pages[HeaderPage]->lines()};
}

void TfrmGenerate::generate()
{
    const CodeGenerator *g = generator();
    if (!g || m_busy)
        return;
    const GenerateSettings settings = windowSettings();
    if (storeGenerateSettings(m_project.projectFile(), settings, g->hasColorOption(), m_ui))
        Q_EMIT settingsStored();
    clearMemos();
    m_warnings->clear();
    m_warnings->hide();

    if (m_forms.empty()) {
        m_ui.error(kNoFormToGenerate);
        return;
    }
    GeneratedCode code;
    QStringList warnings;
    const QString projectName = m_project.projectName();
    setBusy(true);
    // The forms are only read, and nothing can change them while the window
    // is modal and busy; with forms to generate, the user is never asked.
    // The checks take a third of the time of the texts; they run beside
    // them.
    runInWorkers({[&] { generateCode(*g, m_forms, projectName, settings, code, m_ui); },
                  [&] { warnings = g->warnings(m_forms); }});
    const QStringList *texts[] = {&code.main, &code.forms, &code.events, &code.header};
    for (size_t i = 0; i < 4; ++i)
        m_pages[i]->showLines(*texts[i]);
    setBusy(false);

    if (!warnings.isEmpty()) {
        // A label of thousands of lines would take the window over, and
        // laying it out would take longer than generating.
        constexpr qsizetype kShownWarnings = 50;
        QStringList shown = warnings.mid(0, kShownWarnings);
        if (warnings.size() > kShownWarnings)
            shown << QStringLiteral("... and ") + QString::number(warnings.size() - kShownWarnings) +
                         QStringLiteral(" more");
        m_warnings->setText(shown.join(QLatin1Char('\n')));
        m_warnings->show();
    }
    m_butSave->setEnabled(true);
    m_butSaveDoc->setEnabled(true);
}

void TfrmGenerate::setBusy(bool busy)
{
    m_busy = busy;
    if (busy) {
        m_focusBeforeBusy = focusWidget();
        m_progress->setRange(0, 0); // how long the work takes cannot be told
        m_progressDelay->start();
    } else {
        m_progressDelay->stop();
        m_progress->hide();
    }
    setInputEnabled(!busy);
    if (!busy && m_focusBeforeBusy)
        m_focusBeforeBusy->setFocus();
}

void TfrmGenerate::runInWorkers(const std::vector<std::function<void()>> &works)
{
    QEventLoop loop;
    std::vector<std::unique_ptr<QThread>> threads;
    size_t running = works.size();
    for (const auto &work : works) {
        threads.emplace_back(QThread::create(work));
        connect(threads.back().get(), &QThread::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
    }
    for (const auto &thread : threads)
        thread->start();
    if (running > 0)
        loop.exec();
    for (const auto &thread : threads)
        thread->wait();
}

void TfrmGenerate::setInputEnabled(bool enabled)
{
    m_panSettings->setEnabled(enabled);
    m_pagGenerate->setEnabled(enabled);
}

void TfrmGenerate::save()
{
    const CodeGenerator *g = generator();
    if (!g || m_busy)
        return;
    SourceOutput output;
    output.folder = outputPath();
    output.projectName = m_project.projectName();
    output.code = memoCode();
    output.icons = &m_iconFiles;
    output.library = g;
    saveSourceFiles(output, m_ui);
}

void TfrmGenerate::saveDoc()
{
    if (m_busy)
        return;
    saveDocFiles(memoCode(), m_project.projectName(), outputPath(), m_ui);
}

void TfrmGenerate::done(int result)
{
    if (m_busy)
        return;
    QDialog::done(result);
}

} // namespace zf
