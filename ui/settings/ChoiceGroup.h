#pragma once

#include <QGroupBox>

#include <initializer_list>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A framed group of radio buttons that stands for one numeric option: the
// checked button's position is the value. Further controls that belong to
// the option may be put below the radios.
class CChoiceGroup : public QGroupBox {
    Q_OBJECT
public:
    CChoiceGroup(const QString &title, std::initializer_list<QString> choices, QWidget *parent);

    // The checked position, -1 when none is checked.
    int Value() const;
    void SetValue(int value);
    // Writes the value into `field`; a field whose value has no radio stays as it is.
    void StoreInto(int &field) const;
    QRadioButton *Choice(int value) const;
    void AddWidget(QWidget *widget);

signals:
    // The user clicked one of the radios.
    void Clicked(int value);

private:
    QButtonGroup *m_buttons;
    QVBoxLayout *m_layout;
};
