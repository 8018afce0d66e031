// The window on a virtual bus with a silent TRV630U: it records every
// output report the window writes and answers nothing, so a test decides
// which reply or acknowledgement arrives and when. Numbers use a comma as
// the regional decimal separator (Polish regional settings).
#pragma once

#include "support/WindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace trv630::test {

using Bytes = std::vector<std::uint8_t>;

class ParamsWindow : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    TFMain& window() { return harness->window(); }

    template <typename T>
    T* find(const char* name)
    {
        T* w = window().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) { return find<QComboBox>(name); }

    /// Empties the box and types the text key by key.
    void type(const char* boxName, const QString& text);
    void click(const char* buttonName);
    /// The user's choice of a list item (selection and "activated").
    void choose(const char* listName, int index);

    /// Input report from the module (bytes after the report id), delivered.
    void receive(const Bytes& data);
    /// Output reports written since the last call.
    std::vector<Bytes> written() { return device->takeWrittenReports(); }
    /// The payloads (bytes after report id and opcode, zeros at the end cut
    /// to the given length) of the reports written since the last call,
    /// checking each report's id and opcode and that nothing but zeros follows.
    std::vector<Bytes> writtenPayloads(std::uint8_t opcode, std::size_t length);

    std::unique_ptr<WindowHarness> harness;
    std::shared_ptr<VirtualDevice> device;

private:
    QLocale previousLocale_;
};

/// A reply (kind 1) with id, index and the value bytes.
Bytes replyOf(std::uint8_t id, std::uint8_t index, const Bytes& value);

} // namespace trv630::test
