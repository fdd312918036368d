#pragma once
// A Tool wired to a scripted user, and the paths of the test data.
#include "core/tool.h"
#include "support/scripted_user.h"

#include <QString>

namespace dw::test {

inline QString DataPath(const QString& relative) {
    return QStringLiteral(DW_TEST_DATA "/") + relative;
}

inline QString FixturePath(const QString& name) {
    return QStringLiteral(DW_FIXTURES "/") + name;
}

struct ToolUnderTest {
    ScriptedUser user;
    Tool tool{user};

    // Imports path through the open dialog; answers the "already open" question with Yes.
    void importForm(const QString& path) {
        user.openAnswers.push_back(path);
        if (tool.state.dataLoaded)
            user.yesNoAnswers.push_back(true);
        ImportFormFileForTest();
    }

    QStringList recordNames() const {
        QStringList names;
        for (const GadgetRecord& r : tool.records)
            names << r.name;
        return names;
    }

private:
    void ImportFormFileForTest();
};

} // namespace dw::test
