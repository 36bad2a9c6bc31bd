// The USB adapter behind a serial device, from a fake sysfs tree and by-id folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/diagnosis/UsbAdapterFacts.h"

namespace {

namespace fs = std::filesystem;

class UsbAdapterFactsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/gw-sysfs-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        sys = root / "sys";
        dev = root / "dev";
        // A USB adapter: device 1-2 with its interface 1-2:1.0, the tty below it.
        const fs::path usb = sys / "devices/pci0000:00/usb1/1-2";
        const fs::path tty = usb / "1-2:1.0/ttyUSB0";
        fs::create_directories(tty);
        Write(usb / "idVendor", "0403\n");
        Write(usb / "manufacturer", "Acme Serial\n");
        Write(usb / "product", "RS485 Cable \n");
        Write(usb / "serial", "A12345\n");
        fs::create_directories(sys / "class/tty");
        fs::create_directory_symlink(tty, sys / "class/tty/ttyUSB0");
        fs::create_directory_symlink(tty, tty / "device");
        // A built-in UART: a platform device without a USB device above it.
        const fs::path uart = sys / "devices/platform/serial8250/tty/ttyS0";
        fs::create_directories(uart);
        fs::create_directory_symlink(uart, sys / "class/tty/ttyS0");
        fs::create_directory_symlink(uart.parent_path().parent_path(), uart / "device");
        fs::create_directories(dev / "serial/by-id");
        fs::create_symlink("../../ttyUSB0", dev / "serial/by-id/usb-Acme_RS485_Cable_A12345-if00-port0");
    }
    void TearDown() override { fs::remove_all(root); }
    static void Write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }

    fs::path root, sys, dev;
};

TEST_F(UsbAdapterFactsTest, AdapterNamesMakerModelSerialAndStableName) {
    const auto facts = GatherUsbAdapterFacts("/dev/ttyUSB0", sys.string(), dev.string());
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->maker, "Acme Serial");
    EXPECT_EQ(facts->model, "RS485 Cable");
    EXPECT_EQ(facts->serialNumber, "A12345");
    EXPECT_EQ(facts->byIdPath, (dev / "serial/by-id/usb-Acme_RS485_Cable_A12345-if00-port0").string());
}

TEST_F(UsbAdapterFactsTest, AdapterWithoutByIdLinkStillNamed) {
    fs::remove_all(dev / "serial");
    const auto facts = GatherUsbAdapterFacts("/dev/ttyUSB0", sys.string(), dev.string());
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->model, "RS485 Cable");
    EXPECT_EQ(facts->byIdPath, "");
}

TEST_F(UsbAdapterFactsTest, LatencyTimerOfTheDriverWhenItHasOne) {
    EXPECT_FALSE(
        GatherUsbAdapterFacts("/dev/ttyUSB0", sys.string(), dev.string())->latencyTimerMs.has_value());
    const fs::path attribute = sys / "class/tty/ttyUSB0/device/latency_timer";
    for (const auto& [text, expected] : std::vector<std::pair<std::string, std::optional<int>>>{
             {"16\n", 16}, {"1\n", 1}, {"fast\n", std::nullopt}, {"\n", std::nullopt}}) {
        Write(attribute, text);
        const auto facts = GatherUsbAdapterFacts("/dev/ttyUSB0", sys.string(), dev.string());
        ASSERT_TRUE(facts.has_value());
        EXPECT_EQ(facts->latencyTimerMs, expected) << text;
        EXPECT_EQ(facts->latencyTimerFile, expected ? attribute.string() : "") << text;
    }
}

TEST_F(UsbAdapterFactsTest, NoUsbFactsForUartsAndUnknownDevices) {
    EXPECT_FALSE(GatherUsbAdapterFacts("/dev/ttyS0", sys.string(), dev.string()).has_value());
    EXPECT_FALSE(GatherUsbAdapterFacts("/dev/ttyUSB7", sys.string(), dev.string()).has_value());
    EXPECT_FALSE(GatherUsbAdapterFacts("", sys.string(), dev.string()).has_value());
}

}  // namespace
