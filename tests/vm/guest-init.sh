#!/bin/busybox sh
# The guest side of scripts/vm-test.sh: runs as init in the initramfs, plays
# every story in /stories against its own travik-uhid (two with a "uhid2"
# header) and powers off. A .tts story is played by travik-cli run --real; a
# .sh story is a bench of travik-cli commands run by sh -e. Lines starting
# with VMTEST are read by the host.
/bin/busybox --install -s /bin
export PATH=/bin HOME=/tmp TMPDIR=/tmp
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
chmod 1777 /tmp
for m in hid hid-generic uhid; do insmod /modules/$m.ko || echo "VMTEST cannot load $m"; done

# Waits (at most 10 s) until hidraw nodes are present (yes) or gone (no).
wait_hidraw() {
  i=0
  while [ $i -lt 100 ]; do
    if ls /dev/hidraw* >/dev/null 2>&1; then now=yes; else now=no; fi
    [ "$now" = "$1" ] && return 0
    sleep 0.1
    i=$((i + 1))
  done
  return 1
}

header() { sed -n "s/^# $1: *//p" "$2" | head -1; }

if grep -q travik.probe /proc/cmdline; then
  echo "VMTEST probe"
  poweroff -f
fi
echo "VMTEST begin $(uname -r)"
cd /stories
for story in *.tts *.sh; do
  [ -f "$story" ] || continue
  echo "VMTEST story $story"
  uhid2_pid=""
  uhid2_args=$(header uhid2 "$story")
  if [ -n "$uhid2_args" ]; then
    eval "set -- $uhid2_args"
    travik-uhid "$@" >/tmp/uhid2.out 2>&1 &
    uhid2_pid=$!
  fi
  uhid_args=$(header uhid "$story")
  as=$(header as "$story")
  want_err=$(header stderr "$story")
  eval "set -- $uhid_args"
  travik-uhid "$@" >/tmp/uhid.out 2>&1 &
  uhid_pid=$!
  why=""
  wait_hidraw yes || why="no hidraw device appeared"
  cli="timeout 120 travik-cli run --real $story"
  case $story in *.sh) cli="timeout 300 sh -e $story" ;; esac
  t0=$(date +%s)
  if [ "$as" = user ]; then
    su -s /bin/sh -c "$cli" user >/tmp/cli.out 2>/tmp/cli.err
  else
    $cli >/tmp/cli.out 2>/tmp/cli.err
  fi
  cli_rc=$?
  t1=$(date +%s)
  kill -TERM $uhid_pid
  wait $uhid_pid
  uhid_rc=$?
  if [ -n "$uhid2_pid" ]; then
    kill -TERM $uhid2_pid
    wait $uhid2_pid
    [ $? -eq 0 ] || why="$why; the second travik-uhid failed its checks"
    cat /tmp/uhid2.out >>/tmp/uhid.out
  fi
  wait_hidraw no || why="$why; the device stayed after travik-uhid ended"
  [ $cli_rc -eq 0 ] || why="$why; travik-cli exit status $cli_rc"
  [ $uhid_rc -eq 0 ] || why="$why; travik-uhid exit status $uhid_rc"
  if [ -n "$want_err" ] && ! grep -qF "$want_err" /tmp/cli.err; then
    why="$why; standard error lacks \"$want_err\""
  fi
  if [ -z "$why" ]; then
    echo "VMTEST PASS $story ($((t1 - t0)) s)"
  else
    cat /tmp/cli.out /tmp/cli.err /tmp/uhid.out
    echo "VMTEST FAIL $story: ${why#; }"
  fi
done
echo "VMTEST end"
poweroff -f
