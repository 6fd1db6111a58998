#include "component/ui/CompPageParts.h"

#include <QPushButton>

#include "codes/ui/CSearch.h"
#include "core/RecordTable.h"
#include "editor/PageFields.h"
#include "widgets/CNEdit.h"

namespace vantor {

RecordNavigator::Texts CompNavigatorTexts(const QString& title, const QString& nextTip,
                                          const QString& deleteTip, const std::string& page) {
    RecordNavigator::Texts texts;
    texts.title = title;
    texts.nextTip = nextTip;
    texts.deleteTip = deleteTip;
    texts.deleteText = "Delete the Selected Record";
    texts.pushFailed = "Error: see " + page + "::OnNextcurveButton()";
    texts.enterGuard = true;
    return texts;
}

QString NumberLookUpName(size_t field) {
    return "NumberLookUp" + QString::number(field);
}

void AddNumberLookUp(QWidget* page, PageFields* fields, std::vector<size_t> numberFields,
                     const RecordTable& table, std::vector<size_t> columns,
                     const std::string& modeWord) {
    for (size_t field : numberFields) {
        auto* button = new QPushButton("Search...", page);
        button->setAutoDefault(false);
        button->setObjectName(NumberLookUpName(field));
        fields->AddBeside(field, button);
        QObject::connect(button, &QPushButton::clicked, page, [=, &table] {
            // The rows as the test holds them now (the other pages have
            // handed theirs over when they were left).
            std::vector<std::vector<std::string>> lists(4);
            for (int r = 1; r <= table.Count(); ++r)
                for (size_t c = 0; c < 4 && c < columns.size(); ++c)
                    lists[c].push_back(table.Value(r, columns[c]));
            CSearch search(page, modeWord, lists[0], lists[1], lists[2], lists[3]);
            if (search.exec() != QDialog::Accepted) return;
            if (search.SelectedRow() < 0) {
                fields->Edit(field)->SetText("");
                emit fields->CodeChosen(field);
                return;
            }
            const std::vector<std::string>& cells = search.SelectedCells();
            for (size_t i = 0; i < numberFields.size() && i < cells.size(); ++i) {
                fields->Edit(numberFields[i])->SetText(cells[i]);
                emit fields->CodeChosen(numberFields[i]);
            }
        });
    }
}

}  // namespace vantor
