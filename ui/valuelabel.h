#pragma once

#include <QLabel>

// A label that shows a value whose caption is drawn elsewhere (in a picture beside it). Screen
// readers read the caption and the value together, when they ask; a change of the value tells
// them nothing, so that a clock shown this way is not spoken every second.
class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& caption, const QString& value, QWidget* parent = nullptr);
};
