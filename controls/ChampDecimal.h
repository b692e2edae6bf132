#pragma once

class QLineEdit;
class QObject;
class QStyledItemDelegate;

namespace quillora {

// The field takes a number: a comma typed where the number's decimal point belongs becomes
// that point as it is typed, so "12,5" is stored as "12.5" and counts. Text put into the
// field by the program, a stored "12,5" included, is left as it is.
void VirguleEnPoint(QLineEdit* champ);
// The same for the cells of a table that hold numbers, through their editors.
QStyledItemDelegate* DelegueVirguleEnPoint(QObject* parent);

} // namespace quillora
