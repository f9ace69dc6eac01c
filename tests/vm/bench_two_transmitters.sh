# uhid: --model KDB --id "KDB SN10222" --expect-eeprom 48=23 --expect-eeprom 62=900
# uhid2: --model KDB --id "KDB SN11222" --expect-eeprom 48=23 --expect-eeprom 62=900
# A bench of two KDBs on the kernel's hidraw: list them, read one by its
# serial, write the file back to it by node, then to both with --all. Each
# virtual device checks its EEPROM when it ends.
cd /tmp
travik-cli list > list.txt
cat list.txt
grep -q "KDB    SN10222" list.txt
grep -q "KDB    SN11222" list.txt
[ "$(grep -c '^/dev/hidraw' list.txt)" = 2 ]

travik-cli read --device SN10222 --out bench.kvc
[ "$(wc -c < bench.kvc)" = 2608 ]
# Address 23 and CO2 limit 900 in the file (records 48 and 62).
printf 'Reg 048 23     \r' | dd of=bench.kvc bs=1 seek=800 conv=notrunc 2>/dev/null
printf 'Reg 062 900    \r' | dd of=bench.kvc bs=1 seek=1024 conv=notrunc 2>/dev/null

node=$(grep "SN10222" list.txt | cut -d' ' -f1)
travik-cli write bench.kvc --device "$node"

# Two of one model: a model alone does not choose.
status=0
travik-cli info --device KDB 2> choice.txt || status=$?
[ $status = 2 ]
grep -q "2 transmitters of model KDB present" choice.txt

travik-cli write bench.kvc --all > all.txt
cat all.txt
grep -q "^SN10222  ok " all.txt
grep -q "^SN11222  ok " all.txt
