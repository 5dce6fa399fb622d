#!/usr/bin/env bash
# Plugs simulated terminal cables into udev's own rule processing (udevadm test, which applies
# the rules, links and permissions but runs no RUN program) on a made-up machine: a sysfs tree
# with the cables' USB devices and ports, an empty /dev and /run, in a mount namespace of its own
# so that nothing of this machine is touched. Checks what a cable gets when it is plugged in:
# the commands that give the ftdi_sio driver the cable's IDs (run here against the made-up
# sysfs), the port's group, mode and uaccess tag, /dev/morvik-<serial> for every cable and
# /dev/morvik for the first one.
#
#   scripts/udev_rules_test.sh                 the rules installed on this system
#   scripts/udev_rules_test.sh FILE.rules      FILE in place of 70-morvik-tool.rules
#
# Needs root (a mount namespace, device nodes) and udevadm.
set -euo pipefail
rule_name=70-morvik-tool.rules

if [ "${MORVIK_UDEV_NAMESPACE:-}" != 1 ]; then
  rules=${1:-/usr/lib/udev/rules.d/$rule_name}
  [ -f "$rules" ] || { echo "udev: FAILED: no rules file $rules" >&2; exit 1; }
  command -v udevadm >/dev/null || { echo "udev: FAILED: udevadm is missing" >&2; exit 1; }
  exec env MORVIK_UDEV_NAMESPACE=1 unshare --mount --propagation private \
    bash "$0" "$(realpath "$rules")"
fi

fail() { echo "udev: FAILED: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/rules"

# The made-up machine. The rules under test are the only local ones (/etc/udev/rules.d), where
# they override the installed file of the same name.
mount -t tmpfs morvik-sysfs /sys
mount -t tmpfs morvik-run /run
mount -t tmpfs morvik-dev /dev
mount -t tmpfs morvik-rules /etc/udev/rules.d
cp "$work/rules" /etc/udev/rules.d/$rule_name
mknod -m 666 /dev/null c 1 3
ln -s /proc/self/fd /dev/fd
usb_root=/sys/devices/pci0000:00/0000:00:14.0/usb1
new_id=/sys/bus/usb-serial/drivers/ftdi_sio/new_id
mkdir -p /sys/bus/usb /sys/bus/usb-serial/drivers/ftdi_sio /sys/class/tty "$usb_root"
: >"$new_id"

# plug PORT MINOR VENDOR PRODUCT SERIAL: a USB serial adapter on hub port PORT, its interface
# and its port ttyUSB<MINOR>, laid out as the kernel lays them out.
plug() {
  local usb=$usb_root/1-$1 tty=ttyUSB$2
  local intf=$usb/1-$1:1.0
  mkdir -p "$intf/$tty/tty/$tty"
  ln -s ../../../../../bus/usb "$usb/subsystem"
  ln -s ../../../../../../bus/usb "$intf/subsystem"
  ln -s ../../../../../../../bus/usb-serial "$intf/$tty/subsystem"
  ln -s ../../../../../../../../../class/tty "$intf/$tty/tty/$tty/subsystem"
  printf 'MAJOR=189\nMINOR=%s\nDEVNAME=bus/usb/001/%03d\nDEVTYPE=usb_device\n' "$1" "$1" >"$usb/uevent"
  echo "$3" >"$usb/idVendor"; echo "$4" >"$usb/idProduct"; echo 0600 >"$usb/bcdDevice"
  echo "Cable maker" >"$usb/manufacturer"; echo "USB serial cable" >"$usb/product"
  echo "$5" >"$usb/serial"
  printf 'DEVTYPE=usb_interface\nINTERFACE=255/255/255\n' >"$intf/uevent"
  echo 00 >"$intf/bInterfaceNumber"
  for f in bInterfaceClass bInterfaceSubClass bInterfaceProtocol; do echo ff >"$intf/$f"; done
  : >"$intf/$tty/uevent"; echo 0 >"$intf/$tty/port_number"
  printf 'MAJOR=188\nMINOR=%s\nDEVNAME=%s\n' "$2" "$tty" >"$intf/$tty/tty/$tty/uevent"
  ln -s "../../devices/pci0000:00/0000:00:14.0/usb1/1-$1/1-$1:1.0/$tty/tty/$tty" /sys/class/tty/$tty
  mknod -m 600 /dev/$tty c 188 "$2"
}
# event ACTION DEVICE: udev handles the event; its report is in $work/event.
event() {
  SYSTEMD_DEVICE_VERIFY_SYSFS=0 udevadm test --action="$1" "$2" >"$work/event" 2>&1 ||
    { cat "$work/event" >&2; fail "udevadm test --action=$1 $2"; }
  # What udev says of a rule line while reading the file (events' lines name the device first).
  if grep "^/etc/udev/rules.d/$rule_name:" "$work/event" >&2; then
    fail "udev does not take $rule_name as it stands"
  fi
}
link_of() { readlink "/dev/$1" || echo "(none)"; }
expect_link() { [ "$(link_of "$1")" = "$2" ] || fail "/dev/$1 leads to $(link_of "$1"), not $2 ($3)"; }

plug 2 0 5a3c 0c41 A50285BI
plug 3 1 5a3c 0c41 FT9ZQ1XY
plug 4 2 0403 6001 B0001234

echo "udev: a cable plugged in: the driver takes its IDs"
event add "$usb_root/1-2"
mapfile -t runs < <(sed -n "s/^run: '\(.*\)'$/\1/p" "$work/event")
[ "${runs[0]:-}" = "kmod load ftdi_sio" ] || fail "the driver is not loaded first: ${runs[*]}"
[ ${#runs[@]} -eq 2 ] || fail "expected the driver load and one command: ${runs[*]}"
eval "${runs[1]}" || fail "the command failed: ${runs[1]}"
# The driver reads "VVVV PPPP" in hexadecimal (usb_store_new_id: "%x %x").
[ "$(cat "$new_id")" = "5a3c 0c41" ] || fail "$new_id received '$(cat "$new_id")'"
event add "$usb_root/1-4"
if grep -q "^run: '.*ftdi_sio" "$work/event"; then fail "another FTDI device gets the IDs written"; fi

echo "udev: its port: access, /dev/morvik and /dev/morvik-<serial>"
event add /sys/class/tty/ttyUSB0
[ "$(stat -c '%a %G' /dev/ttyUSB0)" = "660 dialout" ] ||
  fail "the port is $(stat -c '%a %G' /dev/ttyUSB0), not 660 dialout"
grep -q '^TAGS=.*:uaccess:' "$work/event" || fail "the port has no uaccess tag"
expect_link morvik ttyUSB0 "the only cable"
expect_link morvik-A50285BI ttyUSB0 "its serial number"

echo "udev: a second cable gets its own name; /dev/morvik stays with the first"
event add /sys/class/tty/ttyUSB1
expect_link morvik ttyUSB0 "the first cable keeps it"
expect_link morvik-FT9ZQ1XY ttyUSB1 "the second cable's serial number"
event change /sys/class/tty/ttyUSB0
expect_link morvik ttyUSB0 "the first cable keeps it after a change event"
event remove /sys/class/tty/ttyUSB0
expect_link morvik ttyUSB1 "the second cable takes it when the first is unplugged"
[ ! -e /dev/morvik-A50285BI ] || fail "the unplugged cable's name is left"

echo "udev: another FTDI cable is left alone"
event add /sys/class/tty/ttyUSB2
if grep -q '^TAGS=.*:uaccess:' "$work/event"; then fail "another cable's port got the uaccess tag"; fi
expect_link morvik ttyUSB1 "another cable does not take it"
if ls /dev | grep -q '^morvik-B0001234$'; then fail "another cable got a morvik name"; fi

echo "udev: OK"
