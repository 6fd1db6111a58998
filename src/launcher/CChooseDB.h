#pragma once
// The launcher: shows the product and codes database versions and offers the
// five test types. Pressing one hides the launcher for good and opens that
// type's editor; editors switch type through the same handlers and end the
// program through CloseAllEditors.
#include <QDialog>
#include <QPointer>
#include <array>

#include "editor/EditorRegistry.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace vantor {

class CChooseDB : public QDialog, public EditorHost {
    Q_OBJECT

  public:
    // Takes the editor factories registered at this moment.
    explicit CChooseDB(QWidget* parent = nullptr);
    ~CChooseDB() override;

    // Shows the launcher application-modal and returns when it ends: closed
    // before any editor was opened, or ended by CloseAllEditors.
    int RunModal();
    bool HasEnded() const { return ended_; }

    void OnVehicle() { OpenEditor(EditorType::Vehicle); }
    void OnComponent() { OpenEditor(EditorType::Component); }
    void OnBiomechanics() { OpenEditor(EditorType::Biomechanics); }
    void OnSWG() { OpenEditor(EditorType::SWG); }
    void OnCrashAvoidance() { OpenEditor(EditorType::CrashAvoidance); }
    void OnCurveCheck();
    // Destroys every editor and ends the launcher, and with it the program.
    void CloseAllEditors() override;
    void OpenEditor(EditorType type) override;
    void ShowAbout(QWidget* parent) override;
    void ShowHelp(QWidget* parent) override;

    // The editor a slot holds, or null.
    QWidget* Editor(EditorType type) const { return slots_[Index(type)]; }
    int CurveCheckFlag() const { return curveCheck_; }
    void SetEditorFactory(EditorType type, EditorFactory factory);

    QString ProductVersionText() const;
    QString DatabaseVersionText() const;
    QPushButton* Button(EditorType type) const { return buttons_[Index(type)]; }
    QRadioButton* CurveCheckOption() const { return curveOption_; }
    QLabel* OrganisationLabel() const { return organisation_; }

    void done(int result) override;

  private:
    static int Index(EditorType type) { return static_cast<int>(type); }
    void DiscardEditor(EditorType type);
    void EndWhenNoEditorIsLeft();

    std::array<QPointer<QWidget>, kEditorTypeCount> slots_;
    std::array<EditorFactory, kEditorTypeCount> factories_;
    std::array<QPushButton*, kEditorTypeCount> buttons_{};
    QLabel* organisation_ = nullptr;
    QLabel* productVersion_ = nullptr;
    QLabel* databaseVersion_ = nullptr;
    QRadioButton* curveOption_ = nullptr;
    int curveCheck_ = 0;
    bool ended_ = false;
};

}  // namespace vantor
