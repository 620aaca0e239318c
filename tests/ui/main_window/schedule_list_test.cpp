// The schedule table as assistive tools read it: a table with titled columns, its cells
// carrying the rows' texts, the selected row marked.
#ifdef __WXGTK__
#include <gtk/gtk.h>

#include "model/entry_texts.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;

class ScheduleListAccessTest : public ConfigDlgTest {
protected:
    AtkObject* Table() { return gtk_widget_get_accessible(List()->GtkGetTreeView()); }
    static std::string NameOf(AtkObject* object) {
        const char* name = object ? atk_object_get_name(object) : nullptr;
        return name ? name : "";
    }
    std::string Cell(int row, int column) {
        AtkObject* cell = atk_table_ref_at(ATK_TABLE(Table()), row, column);
        const std::string name = NameOf(cell);
        if (cell) g_object_unref(cell);
        return name;
    }
    bool CellSelected(int row) {
        AtkObject* cell = atk_table_ref_at(ATK_TABLE(Table()), row, 0);
        AtkStateSet* states = atk_object_ref_state_set(cell);
        const bool selected = atk_state_set_contains_state(states, ATK_STATE_SELECTED);
        g_object_unref(states);
        g_object_unref(cell);
        return selected;
    }
};

TEST_F(ScheduleListAccessTest, ReadsAsATableOfTitledColumnsAndRowTexts) {
    Fill({DefaultEntry(4 * kDay + 8 * kHour, 4 * kDay + 17 * kHour), DefaultEntry(0, kHour)});
    AtkObject* table = Table();
    ASSERT_TRUE(ATK_IS_TABLE(table));
    EXPECT_EQ(NameOf(table), "Recording Schedule");
    ASSERT_EQ(atk_table_get_n_columns(ATK_TABLE(table)), static_cast<int>(kListColumns));
    EXPECT_EQ(atk_table_get_n_rows(ATK_TABLE(table)), 2);
    for (int column = 0; column < static_cast<int>(kListColumns); ++column)
        EXPECT_EQ(NameOf(atk_table_get_column_header(ATK_TABLE(table), column)), kColumnTitles[kAllColumns[column]]);
    EXPECT_EQ(Cell(0, 0), "00:00:00 on Monday");
    EXPECT_EQ(Cell(1, 0), "08:00:00 on Friday");
    EXPECT_EQ(Cell(1, 1), "17:00:00 on Friday");
    EXPECT_EQ(Cell(1, 6), "Continuous");
    // The load selected the last slot, Monday's; the selection moves with the document.
    EXPECT_TRUE(CellSelected(0));
    EXPECT_FALSE(CellSelected(1));
    dlg->Document().SelectRow(1);
    EXPECT_TRUE(CellSelected(1));
    EXPECT_FALSE(CellSelected(0));
}

}  // namespace
#endif
