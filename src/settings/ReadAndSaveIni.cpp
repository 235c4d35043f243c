// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "settings/ReadAndSaveIni.h"
#include "external/ElPack.h"
#include "external/FilterCombo.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "platform/Logging_p.h"
#include "platform/SecretStore.h"
#include "settings/AppDrive.h"
#include "settings/Drive_Utils.h"
#include "settings/FormStatePasswords_p.h"
#include "settings/FormStateRows_p.h"
#include "settings/ReadAndSaveIni_p.h"
#include "settings/user_and_system_utils.h"
#include "store/FormStateMigrations_p.h"
#include "store/FormStateStore.h"
#include "store/FormStateStore_p.h"
#include "store/MemIniFile.h"
#include "store/Scramble.h"
#include "toolkit/Application.h"
#include "toolkit/Components.h"
#include "toolkit/FormStateValue.h"
#include "toolkit/ListBox.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Types.h"
#include "toolkit/WidgetStrings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QTextEdit>
#include <vector>

namespace qz8 {

namespace {

// Row numbers of the kinds beyond the layout table's rows.
constexpr int kValueRow = 40; // a control that says how it is kept
constexpr int kRegisteredRow = 41; // a tool's registered kind
constexpr int kUserRow = 42; // the general rule: a USER property

// Sets the selection only for an index inside the list.
template <class Select>
void ReadIndex(const TMyMemIniFile& ini, const QString& section, int count, Select select)
{
    const int i = ini.ReadInteger(section, kI, -1);
    if (i >= 0 && i < count)
        select(i);
}

void PersistListBox(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    if (!MEMINI_include_Listboxes)
        return;
    auto* list = qobject_cast<TCustomListBox*>(c);
    auto* widget = qobject_cast<QListWidget*>(c);
    TListWidgetStrings widgetItems(widget);
    TStrings& items = list ? list->Items() : static_cast<TStrings&>(widgetItems);
    auto* checks = qobject_cast<TCheckListBox*>(c);
    const bool carryChecks = MEMINI_include_checklistbox_checkeds && checks;
    if (list && list->IsVirtual()) {
        // A virtual list's rows are the tool's: only the current row is kept.
        // It may come back before the tool has set the row count; the list
        // takes it once the row exists.
        if (reading) {
            const int i = ini.ReadInteger(section, kI, -1);
            if (i >= 0)
                list->SetItemIndex(i);
        } else {
            ini.WriteInteger(section, kI, list->ItemIndex());
        }
        return;
    }
    if (reading) {
        ini.ReadMultiString(section, items);
        if (carryChecks) {
            for (int i = 0; i < items.Count(); ++i)
                checks->SetChecked(i, items.Objects(i) != 0);
        }
        ReadIndex(ini, section, items.Count(), [&](int i) {
            if (list)
                list->SetItemIndex(i);
            else
                widget->setCurrentRow(i);
        });
        return;
    }
    if (carryChecks) {
        for (int i = 0; i < items.Count(); ++i)
            items.PutObject(i, checks->Checked(i) ? 1 : 0);
    }
    ini.WriteMultiString(section, items);
    ini.WriteInteger(section, kI, list ? list->ItemIndex() : widget->currentRow());
}

void PersistComboItems(QComboBox* combo, TStrings& items, TMyMemIniFile& ini, bool reading, const QString& section)
{
    if (reading) {
        ini.ReadMultiString(section, items);
        ReadIndex(ini, section, items.Count(), [&](int i) { combo->setCurrentIndex(i); });
        return;
    }
    ini.WriteMultiString(section, items);
    ini.WriteInteger(section, kI, combo->currentIndex());
}

// The TMS combos keep a history: a new text goes first and is selected.
void PutTextFirst(QComboBox* combo, TStrings& items, const QString& text)
{
    if (items.IndexOf(text) >= 0)
        return;
    items.Insert(0, text);
    combo->setCurrentIndex(0);
}

void PersistFilterCombo(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* combo = static_cast<TmyAdvFilterCombo*>(c);
    TStrings& items = combo->Items();
    if (reading) {
        PersistComboItems(combo, items, ini, true, section);
        if (combo->Filter().size() > 20 && items.Count() < 2)
            combo->BuildList();
        return;
    }
    const QString text = combo->currentText();
    if (!text.isEmpty() && text.contains(QLatin1Char('.')) && items.IndexOf(text) < 0) {
        bool matched = false;
        for (int i = 0; i < items.Count() && !matched; ++i) {
            if (combo->GetAFileMask(i).compare(text, Qt::CaseInsensitive) == 0) {
                combo->setCurrentIndex(i);
                matched = true;
            }
        }
        if (!matched)
            combo->InsertLastText(text);
    }
    PersistComboItems(combo, items, ini, false, section);
}

void PersistDatePicker(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* picker = static_cast<TElDateTimePicker*>(c);
    const TFormatSettings& fs = CurrentFormatSettings();
    if (reading) {
        const QString text = ini.ReadString(section, kText, QString());
        const QDate date = fs.Locale.toDate(text.trimmed(), fs.ShortDateFormat);
        if (!text.isEmpty() && date.isValid())
            picker->SetDateTime(QDateTime(date, QTime(0, 0)));
        return;
    }
    ini.WriteString(section, kText, fs.Locale.toString(picker->DateTime().date(), fs.ShortDateFormat));
}

// An ElPack edit's text as it stands in the file and in the edit.
void PersistElText(TCustomElEdit* edit, TMyMemIniFile& ini, bool reading, const QString& section)
{
    PersistText(
        ini, reading, section, [edit] { return edit->Text(); }, [edit](const QString& t) { edit->SetText(t); });
}

void PersistElMultiLine(QObject* c, TMyMemIniFile& ini, bool reading, const QString&)
{
    PersistMultiLineControl(ini, reading, c);
}

// A file or folder name: the application drive as its token in the file.
void PersistElNameEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* edit = static_cast<TCustomElEdit*>(c);
    if (IsMultiFileNameEdit(edit)) {
        PersistMultiLineControl(ini, reading, edit);
        return;
    }
    if (!MEMINI_check_filenames) {
        PersistElText(edit, ini, reading, section);
        return;
    }
    if (reading) {
        const QString text =
            ExpandAppDrive(ini.ReadString(section, kText, QString()), qobject_cast<TElFileNameEdit*>(edit) != nullptr);
        if (edit->Text() != text)
            edit->SetText(text);
    } else {
        ini.WriteString(section, kText, ContractAppDrive(edit->Text()));
    }
}

void PersistElSpinText(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* edit = static_cast<TCustomElEdit*>(c);
    if (!reading) {
        ini.WriteString(section, kText, edit->Text());
        return;
    }
    // Longer than the text of 2147483646 cannot be a spin value.
    const QString text = ini.ReadString(section, kText, QString());
    if (text.size() <= 10)
        edit->SetText(text);
}

// A plain ElPack edit; with "*" for its password character, a password
// (settings/FormStatePasswords_p.h).
void PersistElEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* edit = static_cast<TElEdit*>(c);
    if (edit->PasswordChar() != QLatin1String("*")) {
        PersistElText(edit, ini, reading, section);
        return;
    }
    if (reading) {
        QString text = ini.ReadString(section, kText, QString());
        const bool resolved = StoredPasswordText(ini, section, text);
        MarkUnresolved(edit, resolved ? QString() : PasswordSecretKey(ini.FileName(), section));
        if (resolved && edit->Text() != text)
            edit->SetText(text);
        return;
    }
    if (IsUnresolved(edit)) {
        ini.WriteString(section, kText, UnresolvedPasswordInFile(ini, section, UnresolvedKey(edit)));
    } else {
        ini.WriteString(section, kText, StoredPassword(ini, section, edit->Text()));
    }
}

void PersistOtherElEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    PersistElText(static_cast<TCustomElEdit*>(c), ini, reading, section);
}

void PersistPlainTextEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString&)
{
    PersistMultiLineControl(ini, reading, c);
}

void PersistRichEdit(QObject*, TMyMemIniFile&, bool, const QString&)
{
    // Rich edits are not kept.
}

void PersistLineEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* edit = static_cast<QLineEdit*>(c);
    PersistText(
        ini, reading, section, [edit] { return edit->text(); }, [edit](const QString& t) { edit->setText(t); });
}

void PersistCheckGroup(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* group = static_cast<TElCheckGroup*>(c);
    for (int i = 0; i < group->ItemCount(); ++i) {
        const QString key = kChecked + QString::number(i);
        if (reading)
            group->SetChecked(i, ini.ReadBool(section, key, false));
        else
            ini.WriteBool(section, key, group->Checked(i));
    }
}

void PersistCheckBox(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* box = static_cast<QCheckBox*>(c);
    if (reading)
        box->setChecked(ini.ReadBool(section, kChecked, false));
    else
        ini.WriteBool(section, kChecked, box->isChecked());
}

void PersistElSpinEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* spin = static_cast<TElSpinEdit*>(c);
    if (!reading) {
        ini.WriteInteger(section, kValue, spin->Value());
        return;
    }
    const int value = ini.ReadInteger(section, kValue, 0);
    if (spin->Value() != value)
        spin->SetValue(value);
}

void PersistAdvSpinEdit(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* spin = static_cast<TAdvSpinEdit*>(c);
    const bool asFloat = spin->SpinType() == TAdvSpinEdit::sptFloat;
    if (reading && asFloat)
        spin->SetFloatValue(ini.ReadFloat(section, kValue, 0));
    else if (reading)
        spin->SetValue(ini.ReadInteger(section, kValue, 0));
    else if (asFloat)
        ini.WriteFloat(section, kValue, spin->FloatValue());
    else
        ini.WriteInteger(section, kValue, spin->Value());
}

void PersistRadioButton(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* button = static_cast<QRadioButton*>(c);
    if (reading)
        SetRadioChecked(button, ini.ReadBool(section, kChecked, false));
    else
        ini.WriteBool(section, kChecked, button->isChecked());
}

void PersistRadioGroup(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* group = static_cast<TCustomRadioGroup*>(c);
    if (reading)
        ReadIndex(ini, section, group->ItemCount(), [&](int i) { group->SetItemIndex(i); });
    else
        ini.WriteInteger(section, kI, group->ItemIndex());
}

void PersistElCombo(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* combo = static_cast<TElComboBox*>(c);
    combo->SetSorted(false);
    if (!reading && combo->AutoHistory())
        combo->AutoHistoryUpdate();
    PersistComboItems(combo, combo->Items(), ini, reading, section);
}

void PersistAdvCombo(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* combo = static_cast<TAdvCustomCombo*>(c);
    if (!reading)
        PutTextFirst(combo, combo->Items(), combo->Text());
    PersistComboItems(combo, combo->Items(), ini, reading, section);
}

void PersistAdvComboBox(QObject* c, TMyMemIniFile& ini, bool reading, const QString& section)
{
    auto* combo = static_cast<TAdvCustomComboBox*>(c);
    if (!reading)
        PutTextFirst(combo, combo->Items(), combo->GetTextEx());
    PersistComboItems(combo, combo->Items(), ini, reading, section);
}

// The layout of the form state file in dispatch order: the first row whose
// class the control is of (or descends from) decides. Order matters where a
// class descends from a later row's (the TMS check box is a check box).
const std::vector<LayoutRow>& Layout()
{
    static const std::vector<LayoutRow> rows = {
        {1, {&TCustomListBox::staticMetaObject, &QListWidget::staticMetaObject}, PersistListBox},
        {2, {&TElCheckGroup::staticMetaObject}, PersistCheckGroup},
        {3, {&TElDateTimePicker::staticMetaObject}, PersistDatePicker},
        {4, {&TElCheckBox::staticMetaObject}, PersistCheckBox},
        {5, {&TAdvOfficeCheckBox::staticMetaObject}, PersistCheckBox},
        {6, {&QCheckBox::staticMetaObject}, PersistCheckBox}, // TCheckBox
        {7, {&TElSpinEdit::staticMetaObject}, PersistElSpinEdit},
        {8, {&TAdvSpinEdit::staticMetaObject}, PersistAdvSpinEdit},
        {9, {&TElRadioButton::staticMetaObject}, PersistRadioButton},
        {10, {&TAdvOfficeRadioButton::staticMetaObject}, PersistRadioButton},
        {11, {&QRadioButton::staticMetaObject}, PersistRadioButton}, // TRadioButton
        {12, {&TElRadioGroup::staticMetaObject}, PersistRadioGroup},
        {13, {&TAdvOfficeRadioGroup::staticMetaObject}, PersistRadioGroup},
        {14, {&TRadioGroup::staticMetaObject}, PersistRadioGroup},
        {15, {&TElComboBox::staticMetaObject}, PersistElCombo},
        {16, {&TmyAdvFilterCombo::staticMetaObject}, PersistFilterCombo},
        {17, {&TAdvCustomCombo::staticMetaObject}, PersistAdvCombo},
        {18, {&TAdvCustomComboBox::staticMetaObject}, PersistAdvComboBox},
        // Row 19, the ElPack edits, one handler a kind.
        {19, {&TElMemo::staticMetaObject}, PersistElMultiLine},
        {19, {&TElFileNameEdit::staticMetaObject, &TElFolderNameEdit::staticMetaObject}, PersistElNameEdit},
        {19, {&TElSpinEdit::staticMetaObject, &TElFloatSpinEdit::staticMetaObject}, PersistElSpinText},
        {19, {&TElEdit::staticMetaObject}, PersistElEdit},
        {19, {&TCustomElEdit::staticMetaObject}, PersistOtherElEdit},
        // Row 20, TCustomEdit: rich edits (not kept), memos and one-line edits.
        {20, {&QTextEdit::staticMetaObject}, PersistRichEdit},
        {20, {&QPlainTextEdit::staticMetaObject}, PersistPlainTextEdit},
        {20, {&QLineEdit::staticMetaObject}, PersistLineEdit},
    };
    return rows;
}

// A tool's own kinds, by class; they come after the layout's rows and
// before the Qt rows and the general rule.
struct TRegisteredKind {
    const QMetaObject* cls;
    TFormStateHandler handler;
};
std::vector<TRegisteredKind>& RegisteredKinds()
{
    static std::vector<TRegisteredKind> kinds;
    return kinds;
}

// How a control is kept, asked in this order: it says so itself
// (IFormStateValue), one of the layout's twenty rows, a registered kind, a
// row of the Qt widgets, the general rule (a USER property); else nothing
// (its owned controls are walked).
struct TKind {
    bool value = false; // says how it is kept (IFormStateValue)
    const LayoutRow* row = nullptr;
    const TRegisteredKind* registered = nullptr;
    QMetaProperty user;
    int Row() const
    {
        return value ? kValueRow : row ? row->row : (registered ? kRegisteredRow : (user.isValid() ? kUserRow : 0));
    }
    bool Keeps() const { return value || row || registered || user.isValid(); }
};

QHash<const QMetaObject*, TKind>& KindCache()
{
    static QHash<const QMetaObject*, TKind> known;
    // Registrations are a process's; tests start each case without them.
    static const bool resets = [] {
        RegisterGlobalReset([] {
            RegisteredKinds().clear();
            known.clear();
        });
        return true;
    }();
    (void)resets;
    return known;
}

// The kind of a class is found once and remembered.
TKind KindOf(const QObject* c)
{
    QHash<const QMetaObject*, TKind>& known = KindCache();
    const QMetaObject* mo = c->metaObject();
    const auto it = known.constFind(mo);
    if (it != known.constEnd())
        return it.value();
    TKind kind;
    // Asked once per class: an interface cast compares names.
    kind.value = qobject_cast<const IFormStateValue*>(c) != nullptr;
    for (const LayoutRow& r : Layout()) {
        if (kind.value)
            break;
        if (MatchesClassList(c, r.classes)) {
            kind.row = &r;
            break;
        }
    }
    if (!kind.row && !kind.value) {
        for (const TRegisteredKind& k : RegisteredKinds()) {
            if (mo->inherits(k.cls)) {
                kind.registered = &k;
                break;
            }
        }
    }
    if (!kind.row && !kind.registered && !kind.value) {
        for (const LayoutRow& r : QtWidgetRows()) {
            if (MatchesClassList(c, r.classes)) {
                kind.row = &r;
                break;
            }
        }
    }
    if (!kind.Keeps()) {
        // Declared by a class of the tool's (or the library's), not Qt's:
        // Qt's own widgets are kept by the rows, or not at all (a push
        // button's "checked" is no state of the user's).
        const QMetaProperty user = mo->userProperty();
        const QMetaObject* declaring = mo;
        while (declaring && user.isValid() && user.propertyIndex() < declaring->propertyOffset())
            declaring = declaring->superClass();
        const bool qts = declaring && declaring->className()[0] == 'Q';
        if (user.isValid() && user.isReadable() && user.isWritable() && !qts)
            kind.user = user;
    }
    known.insert(mo, kind);
    return kind;
}

// The general rule: a USER property as text, through QVariant. A text that
// does not convert back leaves the widget as it was.
void PersistUserProperty(const QMetaProperty& user, QObject* c, TMyMemIniFile& ini, bool reading,
                         const QString& section)
{
    if (!reading) {
        ini.WriteString(section, kValue, user.read(c).toString());
        return;
    }
    if (!ini.ValueExists(section, kValue))
        return;
    QVariant v(ini.ReadString(section, kValue, QString()));
    if (v.convert(user.metaType()))
        user.write(c, v);
}

// A control that says how it is kept (toolkit/FormStateValue.h).
void PersistFormStateValue(IFormStateValue* value, TMyMemIniFile& ini, bool reading, const QString& section)
{
    const QString key = value->FormStateKey();
    if (!reading)
        ini.WriteString(section, key, value->FormStateText());
    else if (ini.ValueExists(section, key))
        (void)value->TakeFormStateText(ini.ReadString(section, key, QString()));
}

} // namespace

int PersistRowOf(const QObject* component) { return component ? KindOf(component).Row() : 0; }

void RegisterFormStateHandler(const QMetaObject* cls, TFormStateHandler handler)
{
    if (!cls)
        return;
    std::vector<TRegisteredKind>& kinds = RegisteredKinds();
    std::erase_if(kinds, [cls](const TRegisteredKind& k) { return k.cls == cls; });
    if (handler) {
        // Nearer descendants first: a class registered after its base is
        // still found before it.
        const auto at =
            std::find_if(kinds.begin(), kinds.end(), [cls](const TRegisteredKind& k) { return cls->inherits(k.cls); });
        kinds.insert(at, {cls, std::move(handler)});
    }
    KindCache().clear();
}

namespace {

// One component: its own section when its kind keeps it, and what it owns
// where the walk goes inside.
void PersistOne(QObject* c, TMyMemIniFile& ini, bool Reading)
{
    const QPointer<QObject> held(c);
    const QString section = c->objectName();
    const TKind kind = KindOf(c);
    if (kind.value) {
        if (!section.isEmpty())
            PersistFormStateValue(qobject_cast<IFormStateValue*>(c), ini, Reading, section);
    } else if (kind.row) {
        if (!section.isEmpty())
            kind.row->persist(c, ini, Reading, section);
        if (held && kind.row->walkInside)
            PersistComponentStates(c, ini, Reading);
    } else if (kind.registered) {
        if (!section.isEmpty())
            kind.registered->handler(c, ini, Reading, section);
    } else if (kind.user.isValid()) {
        if (!section.isEmpty())
            PersistUserProperty(kind.user, c, ini, Reading, section);
    } else {
        PersistComponentStates(c, ini, Reading);
    }
}

void CollectKept(const QObject* component, QList<QObject*>& kept)
{
    for (QObject* c : Components(component)) {
        const TKind kind = KindOf(c);
        if (kind.Keeps() && !c->objectName().isEmpty())
            kept.append(c);
        if (!kind.Keeps() || (kind.row && kind.row->walkInside))
            CollectKept(c, kept);
    }
}

} // namespace

void PersistComponentStates(QObject* component, TMyMemIniFile& ini, bool Reading)
{
    if (!component)
        return;
    // The owned components are taken once; one deleted by a handler's side
    // effects is skipped.
    std::vector<QPointer<QObject>> owned;
    for (QObject* c : Components(component))
        owned.emplace_back(c);
    for (const QPointer<QObject>& c : owned) {
        if (c)
            PersistOne(c, ini, Reading);
    }
}

QList<QObject*> KeptControls(const QObject* form)
{
    QList<QObject*> kept;
    if (form)
        CollectKept(form, kept);
    return kept;
}

void SaveControlStates(const QList<QObject*>& controls, TMyMemIniFile& ini)
{
    const TAppDriveScope drive;
    for (QObject* c : controls) {
        if (c)
            PersistOne(c, ini, false);
    }
}

void PersistMultiLineControl(TMyMemIniFile& ini, bool Reading, QObject* control)
{
    auto* elMemo = qobject_cast<TElMemo*>(control);
    auto* memo = qobject_cast<QPlainTextEdit*>(control);
    if (!MEMINI_include_Memos && (elMemo || memo))
        return;
    const QString section = control->objectName();
    if (section.isEmpty())
        return;
    if (IsMultiFileNameEdit(control)) {
        auto* edit = static_cast<TElFileNameEdit*>(control);
        if (Reading) {
            TStringList stored;
            ini.ReadMultiString(section, stored);
            QStringList names;
            names.reserve(stored.Count());
            for (int i = 0; i < stored.Count(); ++i)
                names << stored[i];
            names = ExpandAppDriveNames(names, true);
            for (int i = 0; i < stored.Count(); ++i)
                edit->Files().AddObject(names[i], stored.Objects(i));
            edit->SetText(ExpandAppDrive(ini.ReadString(section, kText, QString()), true));
        } else {
            TStringList contracted;
            for (int i = 0; i < edit->Files().Count(); ++i)
                contracted.AddObject(ContractAppDrive(edit->Files()[i]), edit->Files().Objects(i));
            ini.WriteMultiString(section, contracted, 50);
            ini.WriteString(section, kText, ContractAppDrive(edit->Text()));
        }
        return;
    }
    if (!elMemo && !memo)
        return;
    TMemoLines lines(elMemo ? elMemo->Editor() : memo);
    if (Reading)
        ini.ReadMultiString(section, lines);
    else
        ini.WriteMultiString(section, lines, 50);
}

namespace {

// What a save of the form writes: its controls (unless only its own
// sections), its own sections and the migration record.
void CollectFormState(QObject* form, TMyMemIniFile& ini, bool controls)
{
    const TAppDriveScope drive;
    const QPointer<QObject> guard(form);
    if (controls)
        PersistComponentStates(form, ini, false);
    if (auto* sections = guard ? qobject_cast<IFormStateSections*>(form) : nullptr)
        sections->SaveFormSections(ini);
    if (guard && controls)
        WriteMigrationRecord(form, ini);
}

} // namespace

void ReadIni(QObject* form, const QString& fileName)
{
    if (!form)
        return;
    {
        // A new read: what the form's saves write against starts again.
        TFormStateSession& session = FormStateSessionOf(form);
        session = TFormStateSession();
        session.FileName = fileName;
    }
    if (!DriveAndFileExist(fileName))
        return;
    TMyMemIniFile ini(fileName);
    // Read whole before any control is touched: a file that cannot be read
    // raises here and every control keeps its state.
    ini.Load();
    FormStateSessionOf(form).Existed = true;
    // The migrated file is written while the controls read.
    TPendingMigration migration = MigrateAtRead(form, ini);
    const TAppDriveScope drive;
    const QPointer<QObject> guard(form);
    PersistComponentStates(form, ini, true);
    if (auto* sections = guard ? qobject_cast<IFormStateSections*>(form) : nullptr)
        sections->ReadFormSections(ini);
    migration.Finish();
    if (!guard)
        return;
    TFormStateSession* session = FindFormStateSession(form, fileName);
    if (!session)
        return;
    session->Base = std::move(ini); // read whole, no longer needed here
    if (session->MigrationFailed) {
        // The controls show what they had for the sections the failed steps
        // would have made: that is no change of the user's, and is not
        // written over them, so the steps can still run at the next read.
        TMyMemIniFile shown(fileName);
        shown.Clear();
        CollectFormState(form, shown, true);
        session = FindFormStateSession(form, fileName);
        if (!session)
            return;
        for (const QString& section : shown.ReadSections()) {
            for (const QString& key : shown.ReadSection(section)) {
                if (!session->Base.ValueExists(section, key))
                    session->Base.WriteString(section, key, shown.ReadString(section, key, QString()));
            }
        }
    }
}

void ReadIni(QObject* form, const char* fileName) { ReadIni(form, QString::fromUtf8(fileName)); }
void ReadIni(QObject* form) { ReadIni(form, DefaultFormStateFileName()); }
void ReadIni(QObject* form, bool UseDocumentsFolder) { ReadIni(form, FormStateFileName(UseDocumentsFolder)); }

namespace {
void WriteFormStateFile(QObject* form, const QString& fileName, TFormStateSaveMode mode,
                        const QStringList& notKept = {})
{
    // No folder at all saves nothing; nor, on Windows, a bare drive ("C:").
    // A root folder ("C:\" or "/") does, and so does any folder on Linux,
    // where "/a/" or "a/" are folders like any other.
    const QString folder = FolderPart(fileName);
    if (!form || folder.isEmpty())
        return;
#ifdef Q_OS_WIN
    if (folder.size() <= 2 && folder != QLatin1String("/") && folder != QLatin1String("\\"))
        return;
#endif
    if (!QDir().mkpath(folder))
        throw Exception(QStringLiteral("Cannot create folder \"%1\" for \"%2\".").arg(folder, fileName));
    const QPointer<QObject> guard(form);
    const bool addMissing = mode == TFormStateSaveMode::AddMissing;
    TMyMemIniFile mine(fileName);
    mine.Clear();
    // A window that never read its file keeps its controls apart: they only
    // fill in what the file lacks.
    TMyMemIniFile controls(fileName);
    controls.Clear();
    {
        const TAppDriveScope drive;
        PersistComponentStates(form, addMissing ? controls : mine, false);
        if (auto* sections = guard ? qobject_cast<IFormStateSections*>(form) : nullptr)
            sections->SaveFormSections(mine);
        if (guard && !addMissing)
            WriteMigrationRecord(form, mine);
    }
    if (!guard)
        return;
    // A file of a newer release, or one a migration step could not migrate,
    // keeps what this save does not write; so does a save of part of the
    // form.
    const bool keep = mode != TFormStateSaveMode::Whole || KeepsOtherSections(form);
    TMyMemIniFile written{QString()};
    EditFormStateFile(fileName, [&](TMyMemIniFile& now) {
        // What this form changed since it read (or last wrote) the file goes
        // over the file as it is now; without a read, the file as it is now
        // is what the form's state replaces.
        const TFormStateSession* session = FindFormStateSession(form, fileName);
        const TMyMemIniFile snapshot = session ? TMyMemIniFile(QString()) : now;
        bool changed = false;
        if (keep) {
            for (const QString& section : notKept) {
                if (!mine.SectionExists(section) && now.SectionExists(section)) {
                    now.EraseSection(section);
                    changed = true;
                }
            }
        }
        const bool existed = QFileInfo::exists(fileName);
        changed = PutFormStateChanges(session ? session->Base : snapshot, mine, now, !keep) || changed;
        if (addMissing) {
            for (const QString& section : controls.ReadSections()) {
                if (now.SectionExists(section))
                    continue;
                changed = true;
                for (const QString& key : controls.ReadSection(section))
                    now.WriteString(section, key, controls.ReadString(section, key, QString()));
            }
        }
        // A file this release makes (again: it may have been removed since
        // the form read it) holds this release's state.
        if (!existed)
            WriteMigrationRecord(form, now);
        if (mine.OwnerOnly() || controls.OwnerOnly())
            now.SetOwnerOnly(true);
        written = now;
        return changed || !existed;
    });
    // This form's saves write against what it wrote, unless it read another file.
    TFormStateSession& session = FormStateSessionOf(form);
    if (session.FileName.isNull() || session.FileName == fileName) {
        session.FileName = fileName;
        session.Existed = true;
        session.Base = written;
    }
}
} // namespace

void SaveIni(QObject* form, const QString& fileName) { WriteFormStateFile(form, fileName, TFormStateSaveMode::Whole); }

void SaveIniKeepingOtherSections(QObject* form, const QString& fileName, const QStringList& notKept)
{
    WriteFormStateFile(form, fileName, TFormStateSaveMode::KeepOtherSections, notKept);
}

void SaveIniAddingMissing(QObject* form, const QString& fileName)
{
    WriteFormStateFile(form, fileName, TFormStateSaveMode::AddMissing);
}

void SaveIni(QObject* form, const char* fileName) { SaveIni(form, QString::fromUtf8(fileName)); }
void SaveIni(QObject* form) { SaveIni(form, DefaultFormStateFileName()); }
void SaveIni(QObject* form, bool UseDocumentsFolder) { SaveIni(form, FormStateFileName(UseDocumentsFolder)); }

bool IsFileOrFolderNameEdit(const QObject* component)
{
    return qobject_cast<const TElFileNameEdit*>(component) || qobject_cast<const TElFolderNameEdit*>(component);
}

bool IsMultiFileNameEdit(const QObject* component)
{
    auto* edit = qobject_cast<const TElFileNameEdit*>(component);
    return edit && (edit->Options() & OpenOptionBit(ofAllowMultiSelect));
}

} // namespace qz8
