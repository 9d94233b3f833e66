#include "ui/panels/FromFilePanel.h"

#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ShownText.h"
#include "ui/widgets/TextFileBrowse.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CFromFilePanel::CFromFilePanel(QWidget *parent) : CModePanel(parent)
{
    m_inputFile = AddHistoryCombo("InputFile");
    // An empty path is not worth remembering.
    m_inputFile->SetDropEmpty(true);
    m_browseButton = MakeImageButton(this, icons::kBrowseFolder, icons::kDirectoryButtonSize, "");
    m_problem = new QLabel(this);

    auto *file = new QHBoxLayout;
    file->addWidget(new QLabel(tr("入力ファイル"), this));
    file->addWidget(m_inputFile, 1);
    file->addWidget(m_browseButton);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(file);
    rows->addWidget(m_problem);
    rows->addStretch(1);

    connect(m_browseButton, &CImageButton::clicked, this, &CFromFilePanel::browse);
}

void CFromFilePanel::ShowSettings(const CRenameSettings &)
{
    // The path is a history text: the field shows the newest entry.
}

void CFromFilePanel::ReadInto(CRenameSettings &settings) const
{
    settings.InputFile = m_inputFile->CurrentText();
}

void CFromFilePanel::ShowReadProblem(const std::string &problem)
{
    m_problem->setText(problem.empty() ? QString() : tr("読めません: %1").arg(ShownText(problem)));
}

void CFromFilePanel::browse()
{
    BrowseTextFile(m_inputFile, tr("入力ファイル選択"), TextFileUse::Read);
    // Also after Cancel: the main window reads the file again.
    PostChanged();
}
