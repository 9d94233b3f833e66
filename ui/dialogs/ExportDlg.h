#pragma once

#include "app/EnvSettings.h"
#include "ui/widgets/ModalGuard.h"

#include <QDialog>

#include <string>

class CHistoryComboBox;
class CImageButton;
class QCheckBox;
class QPushButton;

// The file list export dialog: the output file, the columns and the name
// options. It works on a copy of the environment settings; its ten export
// flags are taken from the checks when the dialog ends, with OK or cancel.
// The output path, prefix and suffix keep the histories "ExportFile",
// "ExportStrF" and "ExportStrB", which record the typed texts either way.
class CExportDlg : public QDialog {
    Q_OBJECT
public:
    // currentDirectory: held form, put into the path by the current-directory button.
    CExportDlg(const CEnvSettings &env, const std::string &currentDirectory, QWidget *parent = nullptr);

    const CEnvSettings &Env() const { return m_env; }
    // The texts as they were when the dialog ended.
    const std::string &OutputPath() const { return m_outputPath; }
    const std::string &Prefix() const { return m_prefix; }
    const std::string &Suffix() const { return m_suffix; }

    void accept() override;
    void reject() override;

private:
    QCheckBox *AddCheck(const QString &text, const char *name, int value);
    void Browse();
    void PutCurrentDirectory();
    void RefreshStates();
    // Histories stored, texts and flags taken: the end of the dialog either way.
    void Finish();

    CModalGuard m_modal;
    CEnvSettings m_env;
    std::string m_currentDirectory;
    std::string m_outputPath;
    std::string m_prefix;
    std::string m_suffix;

    CHistoryComboBox *m_path;
    CImageButton *m_browse;
    CImageButton *m_currentDirectoryButton;
    QCheckBox *m_name;
    QCheckBox *m_size;
    QCheckBox *m_type;
    QCheckBox *m_time;
    QCheckBox *m_attributes;
    QCheckBox *m_fullPath;
    QCheckBox *m_noExtension;
    QCheckBox *m_quote;
    QCheckBox *m_addPrefix;
    QCheckBox *m_addSuffix;
    CHistoryComboBox *m_prefixCombo;
    CHistoryComboBox *m_suffixCombo;
    QPushButton *m_ok = nullptr;
};
