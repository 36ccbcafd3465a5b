[Sky]
R=135
G=206
B=235

[Night]
R=10
[Odd]
R=0x80
G=$80
B=128.5
[Neg]
R=-1
G=300
B=abc
