#include "platform/FileFilter.h"

#include <gtest/gtest.h>

TEST(FileFilter, ClassicListBecomesDialogEntries) {
    const QStringList entries = FileFilterEntries(
        QStringLiteral("All Files (*.*)|*.*|Space Delimited (*.txt)|*.txt|Pictures|*.bmp;*.png"));
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0], QStringLiteral("All Files (*.*)"));
    EXPECT_EQ(entries[1], QStringLiteral("Space Delimited (*.txt)"));
    EXPECT_EQ(entries[2], QStringLiteral("Pictures (*.bmp *.png)"));
    EXPECT_TRUE(FileFilterEntries(QString()).isEmpty());
}
