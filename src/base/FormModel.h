#pragma once

#include "base/AmountKeyRules.h"

#include <QDate>
#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

namespace velkor {

/// Raised when a form is asked for a control it does not have.
class UnknownFieldError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

enum class FieldKind { Edit, Label, Check, Radio, RadioGroup, Combo, Date, Rich, Button };

/// A window as plain data: every control's text under the control's name, its
/// enabled/visible/read-only state, the items of combos and radio groups and the
/// lines of rich texts. Computations read and write these texts; a window only binds
/// its widgets to them, and the CLI and the tests drive the same model.
///
/// Conventions: check boxes and radio buttons hold "1" or "0"; radio groups hold their
/// item index as text; dates hold "dd.mm.yyyy". setText() and its siblings are the
/// program writing a field and run no handler; userSet(), click() and leave() are the
/// user acting on a control and run the handlers the window runs, once each.
class FormModel : public QObject {
    Q_OBJECT

public:
    explicit FormModel(const QString& name, QObject* parent = nullptr);

    /// The window's class name, such as "TGirisF".
    QString name() const { return m_name; }
    /// The window caption.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    /// Declares a control; the order of declaration is the order of fieldNames().
    void addEdit(const QString& name, const QString& text = {}, const QString& label = {});
    void addLabel(const QString& name, const QString& text = {});
    void addCheck(const QString& name, bool checked, const QString& label = {});
    /// A radio button; buttons sharing a group name exclude each other.
    void addRadio(const QString& name, const QString& group, bool checked, const QString& label = {});
    void addRadioGroup(const QString& name, const QStringList& items, int index, const QString& label = {});
    void addCombo(const QString& name, const QStringList& items, const QString& text,
                  const QString& label = {});
    void addDate(const QString& name, const QDate& date, const QString& label = {});
    void addRich(const QString& name);
    void addButton(const QString& name, const QString& label);

    bool has(const QString& name) const { return m_fields.count(name) != 0; }
    FieldKind kind(const QString& name) const;
    /// The label shown beside or on the control.
    QString label(const QString& name) const;
    /// The group of a radio button (empty for other controls).
    QString radioGroup(const QString& name) const;
    /// All control names in declaration order.
    const QStringList& fieldNames() const { return m_order; }

    QString text(const QString& name) const;
    void setText(const QString& name, const QString& text);

    bool isChecked(const QString& name) const;
    /// Sets a check box or radio button; checking a radio button clears its group.
    void setChecked(const QString& name, bool checked);

    QStringList items(const QString& name) const;
    void setItems(const QString& name, const QStringList& items);
    /// Combo: position of the text among the items (-1 when not among them); radio group: its index.
    int itemIndex(const QString& name) const;
    void setItemIndex(const QString& name, int index);

    /// The date of a date control (invalid when its text is not a dd.mm.yyyy date).
    QDate date(const QString& name) const;
    void setDate(const QString& name, const QDate& date);

    QStringList lines(const QString& name) const;
    void setLines(const QString& name, const QStringList& lines);
    void appendLine(const QString& name, const QString& line);

    bool isEnabled(const QString& name) const;
    void setEnabled(const QString& name, bool enabled);
    bool isVisible(const QString& name) const;
    void setVisible(const QString& name, bool visible);
    bool isReadOnly(const QString& name) const;
    void setReadOnly(const QString& name, bool readOnly);
    /// Keeps a control from the user for good, whatever the form sets later: a field that
    /// shows text (edit, date, rich text) stays read-only, so that its text can still be
    /// read and copied; any other control (button, check box, radio, combo) stays
    /// disabled. A login that may only read gets the controls that would change data held
    /// when its windows are made, and the forms keep switching their own states as before.
    void hold(const QString& name);
    /// Holds each of the controls (see hold()).
    void hold(const QStringList& names);
    bool isHeld(const QString& name) const;
    /// The rule the keys typed into an edit follow; Free unless set, and for a name the
    /// form does not have.
    KeyRule keyRule(const QString& name) const;
    void setKeyRule(const QString& name, KeyRule rule);
    /// Whether an amount edit keeps its formatted text when the user enters it, rather
    /// than showing the plain value for editing; false unless set.
    bool keepsTextOnEnter(const QString& name) const;
    void setKeepsTextOnEnter(const QString& name, bool keeps);
    /// Whether a combo takes only the values of its list (a drop-down list), rather than
    /// any typed text; false unless set.
    bool isListOnly(const QString& name) const;
    void setListOnly(const QString& name, bool listOnly);
    /// The dates a date control takes, both ends included; a control without a range
    /// takes every date.
    void setDateRange(const QString& name, const QDate& first, const QDate& last);
    /// The range of a date control, or nothing when it has none.
    std::optional<std::pair<QDate, QDate>> dateRange(const QString& name) const;
    /// Why a date control refuses this date ("Tarih ... ile ... arasında olmalıdır."), or
    /// empty when the date is within its range.
    QString dateRangeRefusal(const QString& name, const QDate& date) const;

    /// Why the user could not give the control this text in the window, or empty when
    /// they could: the control is disabled, hidden or read-only, or a label or a button;
    /// a check box takes "0" or "1", a radio button "1", a radio group one of its
    /// indexes, a date a dd.mm.yyyy date within the control's range. Every front end
    /// that acts for the user asks.
    QString userSetRefusal(const QString& name, const QString& text) const;
    /// Why the user could not press or leave the control (disabled or hidden), or empty.
    QString userActRefusal(const QString& name) const;
    /// Whether the user could change the control's text at all right now.
    bool isUserEditable(const QString& name) const;

    /// The user sets a control (typing, choosing, ticking): the text is set, then the
    /// control's change handler runs once.
    void userSet(const QString& name, const QString& text);
    /// The user presses a button.
    void click(const QString& name);
    /// The user leaves a control (focus moves away).
    void leave(const QString& name);

    using Handler = std::function<void()>;
    void onChange(const QString& name, Handler handler);
    void onClick(const QString& name, Handler handler);
    void onLeave(const QString& name, Handler handler);

Q_SIGNALS:
    /// Any part of a control changed: text, lines, items or state.
    void fieldChanged(const QString& name);
    void captionChanged(const QString& caption);

private:
    struct Field {
        FieldKind kind = FieldKind::Edit;
        QString text;
        QString label;
        QStringList items;
        QStringList lines;
        QString group;
        bool enabled = true;
        bool visible = true;
        bool readOnly = false;
        bool held = false;
        KeyRule keyRule = KeyRule::Free;
        bool keepsTextOnEnter = false;
        bool listOnly = false;
        QDate firstDate;
        QDate lastDate;
        Handler change;
        Handler clickHandler;
        Handler leaveHandler;
    };

    Field& add(const QString& name, FieldKind kind);
    /// Whether a held control of this kind is kept read-only rather than disabled.
    static bool heldAsReadOnly(FieldKind kind);
    static bool enabledNow(const Field& f) { return f.enabled && !(f.held && !heldAsReadOnly(f.kind)); }
    static bool readOnlyNow(const Field& f) { return f.readOnly || (f.held && heldAsReadOnly(f.kind)); }
    Field& field(const QString& name);
    const Field& field(const QString& name) const;

    QString m_name;
    QString m_caption;
    std::map<QString, Field> m_fields;
    QStringList m_order;
};

} // namespace velkor
