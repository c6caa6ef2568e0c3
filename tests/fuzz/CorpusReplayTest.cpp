#include "FuzzTargets.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Every seed, and every input the fuzzers found worth keeping, runs through its target again:
// a fault once found stays found.
TEST(FuzzCorpus, EveryInputRunsThroughItsTarget) {
    const QDir corpus(QStringLiteral(KURVEX_FUZZ_CORPUS));
    for (const FuzzTarget& target : FuzzTargets()) {
        int inputs = 0;
        QDirIterator files(corpus.filePath(QString::fromLatin1(target.name)), QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QByteArray bytes = file.readAll();
            target.run(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                       static_cast<std::size_t>(bytes.size()));
            ++inputs;
        }
        EXPECT_GT(inputs, 0) << target.name << " has no corpus";
    }
}

} // namespace
