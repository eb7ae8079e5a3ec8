#include "platform/message_box.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(BatchMessageLine, CaptionAndTextOnOneLine)
{
    MessageBoxRequest box;
    box.caption = "Warning";
    box.text = "Failure reading data at line 3 in\n/tmp/a.dat !\n";
    EXPECT_EQ(batchMessageLine(box), "Warning: Failure reading data at line 3 in /tmp/a.dat !");

    box.caption = "Error";
    box.text = "Process terminated !\r\nOut of memory \n";
    EXPECT_EQ(batchMessageLine(box), "Error: Process terminated !  Out of memory");

    box.text = "\n";
    EXPECT_EQ(batchMessageLine(box), "Error:");
}

}  // namespace
}  // namespace kvx
