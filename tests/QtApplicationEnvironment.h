#pragma once
// One QApplication for the whole test program, made before the first test and deleted after the
// last: Qt widgets, cursors and dialogs need it, and it must outlive every test that uses them.
#include <QApplication>

#include <gtest/gtest.h>

#include <string>

namespace salon::test {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    explicit QtApplicationEnvironment(std::string program) : m_name(std::move(program)) {}
    void SetUp() override
    {
        m_argv[0] = m_name.data();
        m_app = new QApplication(m_argc, m_argv);
    }
    void TearDown() override { delete m_app; }

private:
    std::string m_name;
    int m_argc = 1;  // QApplication keeps references to both for its lifetime
    char* m_argv[2] = {nullptr, nullptr};
    QApplication* m_app = nullptr;
};

} // namespace salon::test
