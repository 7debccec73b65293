#!/usr/bin/env bash
# gui.sh start USER DISPLAY | stop DISPLAY | shot DISPLAY NAME
# A display of 1366x768 with openbox, and USER's program started in its installation.
set -uo pipefail
OD=/tmp/od
case $1 in
start)
  U=$2; D=$3
  Xvfb :$D -screen 0 1366x768x24 -nolisten tcp > $OD/xvfb$D.log 2>&1 & echo $! > $OD/xvfb$D.pid
  sleep 1
  DISPLAY=:$D openbox > $OD/openbox$D.log 2>&1 & echo $! > $OD/openbox$D.pid
  sleep 1
  (cd $OD/u/$U/kurulum && HOME=$OD/u/$U LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 DISPLAY=:$D ./velkor > $OD/velkor-$U.log 2>&1; echo $? > $OD/velkor-$U.rc) &
  sleep 4 ;;
stop)
  D=$2
  kill $(cat $OD/openbox$D.pid) $(cat $OD/xvfb$D.pid) 2>/dev/null ;;
shot)
  DISPLAY=:$2 import -window root $OD/$3.png ;;
esac
